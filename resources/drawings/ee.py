"""EE/EF core: one E half-core from the front (back on the left, legs to the
right, the back's outer corners rounded by Rd) and the cut across its legs,
where Rw rounds the edges along the outer faces and Rn those along the window
faces."""

from drafting import Drawing
from e_family_parts import EOutline, e_front, front_dimensions, leg_cuts

d = Drawing(337, 233, "EE/EF core")

# An E 25/13/7 at 6 px per mm; the radii are drawn larger than scale to be seen.
mm = 6.0
half_a, half_b, half_c = 12.5 * mm, 8.75 * mm, 3.75 * mm
height, legs, depth = 12.8 * mm, 8.7 * mm, 7.5 * mm
rounding = 5.0
yc = 120

front = e_front(d, 52, yc, +1, height - legs, height, half_a, half_b, half_c, back_corner_r=rounding)
front_dimensions(d, front)
d.corner_radius(front.points, EOutline.BACK_BOTTOM, rounding, "Rd")

upper = leg_cuts(d, 222, depth, yc, half_a, half_b, half_c, outer_r=rounding, window_r=rounding)
d.corner_radius(upper, 1, rounding, "Rw")
d.corner_radius(upper, 2, rounding, "Rn")

d.save("ee.svg")
