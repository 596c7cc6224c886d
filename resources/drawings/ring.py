"""Ring core: seen along its axis, an axial section with A, B, h and r3 at an
inner edge, and a section whose inner and outer faces are tapered, with the
angles a and b between the axial direction and the sloping faces and r3 again
at an edge."""

import math

from drafting import DIM_OFFSET, DIM_STEP, Drawing, rounded

d = Drawing(355, 198, "Ring core")

# Seen along the axis: the two concentric circles of the ring.
cx, cy = 58, 100
d.circle(cx, cy, 44)
d.circle(cx, cy, 26)
d.centre_cross(cx, cy, 44)

# Axial section through the ring: two rectangular sections with rounded edges.
axis_x = 175
outer, inner = 52, 28
top, bottom = 78, 122
r3 = 3.5
left = [(axis_x - outer, top), (axis_x - inner, top), (axis_x - inner, bottom), (axis_x - outer, bottom)]
right = [(axis_x + inner, top), (axis_x + outer, top), (axis_x + outer, bottom), (axis_x + inner, bottom)]
d.section(rounded(left, r3))
d.section(rounded(right, r3))
d.axis_through((axis_x, top), (axis_x, bottom))
d.dimension((axis_x - outer, bottom), (axis_x + outer, bottom), -(DIM_OFFSET + DIM_STEP), "A")
d.dimension((axis_x - inner, top), (axis_x + inner, top), DIM_OFFSET, "B")
d.dimension((axis_x + outer, top), (axis_x + outer, bottom), DIM_OFFSET, "h")
# r3 at the inner bottom edge of the left section, its letter below the axis.
d.corner_radius(left, 2, r3, "r3", length=21)

# A section with tapered faces: each of the inner and outer faces slopes from
# the middle of the height towards both end faces, the outer one at a, the
# inner one at b.
ti, to = 287, 329
ttop, tbot = 62, 138
mid = (ttop + tbot) / 2
taper = 16
hexagon = [(ti, ttop), (to, ttop), (to + taper, mid), (to, tbot), (ti, tbot), (ti - taper, mid)]
d.section(rounded(hexagon, {0: r3, 1: r3, 3: r3, 4: r3}))
face_angle = math.degrees(math.atan2(mid - ttop, taper))  # of the sloping face, from the horizontal
# The angles sit outside the section, between the axial direction and the face produced.
reach = 34
run = taper * reach / (mid - ttop)
d.reference((to, ttop), (to, ttop - reach))
d.reference((to, ttop), (to - run, ttop - reach), dash="3 2")
d.angle((to, ttop), 90, 180 - face_angle, 28, "a", text_r=38)
d.reference((ti, tbot), (ti, tbot + reach))
d.reference((ti, tbot), (ti + run, tbot + reach), dash="3 2")
d.angle((ti, tbot), -90, -face_angle, 28, "b", text_r=38)
d.corner_radius(hexagon, 0, r3, "r3")

d.save("ring.svg")
