"""ETD/EC/EER core: one half-core from the front (back on the left, legs to the
right) and seen from the back's outer face, where the round centre leg and the
circle that the outer legs' inner faces follow lie hidden behind the back.

From the front, the window corners carry Rn (at the outer leg) and Rd (at the
centre leg) and the back's outer corners R; seen from the back, the edges along
the outer legs' outer faces carry Rw."""

import math

from drafting import DIM_OFFSET, DIM_STEP, Drawing, arc_points, rounded
from e_family_parts import EOutline, e_front, front_dimensions

d = Drawing(265, 257, "ETD/EC/EER core")

# An ETD 34 at 4.8 px per mm; the radii are drawn larger than scale so that the
# window corners can be read.
mm = 4.8
half_a, half_b, half_c = 17.1 * mm, 13.6 * mm, 5.4 * mm
height, legs, depth = 17.3 * mm, 11.8 * mm, 10.8 * mm
# The circle of diameter B meets the front and back faces at ±half_chord.
half_chord = math.sqrt(half_b**2 - (depth / 2) ** 2)
rounding = 4.5
yc = 130

front = e_front(d, 30, yc, +1, height - legs, height, half_a, half_chord, half_c,
                back_corner_r=rounding, leg_window_r=rounding, centre_window_r=rounding)
front_dimensions(d, front, with_b=False)
d.corner_radius(front.points, EOutline.BACK_BOTTOM, rounding, "R")
# The two corners of the upper window, their letters inside the window.
d.corner_radius(front.points, EOutline.UPPER_WINDOW_AT_LEG, rounding, "Rn", length=-11)
d.corner_radius(front.points, EOutline.UPPER_WINDOW_AT_CENTRE, rounding, "Rd", length=-11)

# Seen from the back's outer face: the outline with Rw on the outer legs' edges,
# the centre leg and the legs' inner faces hidden.
left = 180
right = left + depth
ex = left + depth / 2
outline = [(left, front.top), (right, front.top), (right, front.bottom), (left, front.bottom)]
d.outline(rounded(outline, rounding))
d.hidden_circle(ex, yc, half_c)
reach = math.degrees(math.asin((depth / 2) / half_b))
for middle in (90, 270):
    d.hidden(arc_points(ex, yc, half_b, middle - reach, middle + reach, 12))
d.axis_through((left, yc), (right, yc))
d.axis_through((ex, front.top), (ex, front.bottom))
d.dimension((ex, yc + half_b), (ex, yc - half_b), (ex - left) + DIM_OFFSET, "B")
d.dimension((right, front.top), (right, front.bottom), DIM_OFFSET, "A")
d.dimension((left, front.bottom), (right, front.bottom), -DIM_OFFSET, "D")
d.corner_radius(outline, 0, rounding, "Rw")

d.save("etd.svg")
