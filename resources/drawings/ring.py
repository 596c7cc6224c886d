"""Ring core: seen along its axis, an axial section with A, B, h and r3, and a
section with tapered faces at the angles a and b."""

import math

from drafting import Drawing, rounded_polygon

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
d.axis((axis_x, top - 14), (axis_x, bottom + 14))
left = rounded_polygon([(axis_x - outer, top), (axis_x - inner, top), (axis_x - inner, bottom), (axis_x - outer, bottom)], r3)
right = rounded_polygon([(axis_x + inner, top), (axis_x + outer, top), (axis_x + outer, bottom), (axis_x + inner, bottom)], r3)
d.section(left)
d.section(right)
d.dimension((axis_x - outer, bottom), (axis_x + outer, bottom), -32, "A", letter_side=-1)
d.dimension((axis_x - inner, top), (axis_x + inner, top), 22, "B")
d.dimension((axis_x + outer, top), (axis_x + outer, bottom), 14, "h")
# r3 at the inner bottom edge of the left section.
corner = (axis_x - inner - r3, bottom - r3)
tip = (corner[0] + r3 * math.cos(math.radians(45)), corner[1] + r3 * math.sin(math.radians(45)))
d.leader(tip, (tip[0] + 11, tip[1] + 13), "r3")

# One section with tapered faces: the outer face slopes at a, the inner face at b.
ti, to = 287, 329
ttop, tbot = 62, 138
mid = (ttop + tbot) / 2
taper = 16
hexagon = [(ti, ttop), (to, ttop), (to + taper, mid), (to, tbot), (ti, tbot), (ti - taper, mid)]
d.section(rounded_polygon(hexagon, r3, corners={0, 1, 3, 4}))
face_angle = math.degrees(math.atan2(mid - ttop, taper))  # of the sloping face, from the horizontal
# The angles sit outside the section, between the axial direction and the face produced.
reach = 34
d.line((to, ttop), (to, ttop - reach), stroke="#1f4e9a", width=0.5)
d.line((to, ttop), (to - taper * reach / (mid - ttop), ttop - reach), stroke="#1f4e9a", width=0.5, dash="3 2")
d.angle((to, ttop), 90, 180 - face_angle, 28, "a", text_r=38)
d.line((ti, tbot), (ti, tbot + reach), stroke="#1f4e9a", width=0.5)
d.line((ti, tbot), (ti + taper * reach / (mid - ttop), tbot + reach), stroke="#1f4e9a", width=0.5, dash="3 2")
d.angle((ti, tbot), -90, -face_angle, 28, "b", text_r=38)
# r3 at the top inner edge.
tip = (ti + r3 - r3 * math.cos(math.radians(45)), ttop + r3 - r3 * math.sin(math.radians(45)))
d.leader(tip, (tip[0] - 10, tip[1] - 12), "r3")

d.save("ring.svg")
