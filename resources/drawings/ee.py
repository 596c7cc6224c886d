"""EE/EF core: one E half-core from the front (back on the left, legs to the
right, the back's outer corners rounded) and the cut across its legs."""

from drafting import Drawing
from e_family_parts import corner_arc_point, e_front, leg_cuts

d = Drawing(337, 233, "EE/EF core")

# An E 25/13/7 drawn at 6 px per mm; the radii are drawn larger than scale to be seen.
mm = 6.0
half_a, half_b, half_c = 12.5 * mm, 8.75 * mm, 3.75 * mm
height, legs, depth = 12.8 * mm, 8.7 * mm, 7.5 * mm
rounding = 5.0
yc = 118

front = e_front(d, 44, yc, +1, height - legs, height, half_a, half_b, half_c, back_corner_r=rounding)
top, bottom = yc - half_a, yc + half_a
d.axis((front.back_outer - 8, yc), (front.leg_ends + 8, yc))

d.dimension((front.back_outer, top), (front.leg_ends, top), 18, "F")
# E runs from the window floor to the leg ends, inside the lower window.
d.dimension((front.back_inner, yc + half_b), (front.leg_ends, yc + half_b), 12, "E")
d.dimension((front.leg_ends, yc - half_c), (front.leg_ends, yc + half_c), 14, "C")
d.dimension((front.leg_ends, yc - half_b), (front.leg_ends, yc + half_b), 30, "B")
tip = corner_arc_point((front.back_outer, bottom), (1, -1), rounding)
d.leader(tip, (tip[0] - 12, tip[1] + 14), "Rd")

# The cut across the legs, seen from the leg ends: Rw rounds the outer faces' edges, Rn the window faces'.
left = 205
right = left + depth
upper = leg_cuts(d, left, depth, yc, half_a, half_b, half_c, outer_r=rounding, window_r=rounding)
d.axis((left - 8, yc), (right + 8, yc))
d.axis((left + depth / 2, top - 8), (left + depth / 2, bottom + 8))
d.dimension((left, bottom), (left, top), 14, "A")
d.dimension((left, bottom), (right, bottom), -14, "D")
tip = corner_arc_point(upper[1], (-1, 1), rounding)
d.leader(tip, (tip[0] + 13, tip[1] - 14), "Rw")
tip = corner_arc_point(upper[2], (-1, -1), rounding)
d.leader(tip, (tip[0] + 13, tip[1] + 14), "Rn")

d.save("ee.svg")
