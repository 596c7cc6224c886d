"""ETD/EC/EER core: one half-core from the front (back on the left, legs to the
right) and seen from the back's outer face, where the round centre leg and the
circle that the outer legs' inner faces follow lie hidden behind the back."""

import math

from drafting import Drawing, rounded_polygon
from e_family_parts import corner_arc_point, e_front

d = Drawing(265, 257, "ETD/EC/EER core")

# An ETD 34 at 4.8 px per mm, its windows opened a little and its radii drawn
# larger than scale so that the window corners can be read.
mm = 4.8
half_a, half_b, half_c = 17.1 * mm, 13.6 * mm, 5.4 * mm
height, legs, depth = 17.3 * mm, 11.8 * mm, 10.8 * mm
# The circle of diameter B meets the front and back faces at ±half_chord.
half_chord = math.sqrt(half_b**2 - (depth / 2) ** 2)
rounding = 4.5
yc = 128

front = e_front(d, 34, yc, +1, height - legs, height, half_a, half_chord, half_c,
                back_corner_r=rounding, leg_window_r=rounding, centre_window_r=rounding)
top, bottom = yc - half_a, yc + half_a
d.axis((front.back_outer - 8, yc), (front.leg_ends + 8, yc))

d.dimension((front.back_outer, top), (front.leg_ends, top), 18, "F")
d.dimension((front.back_inner, yc + half_chord), (front.leg_ends, yc + half_chord), 10, "E")
d.dimension((front.leg_ends, yc - half_c), (front.leg_ends, yc + half_c), 14, "C")
tip = corner_arc_point((front.back_outer, bottom), (1, -1), rounding)
d.leader(tip, (tip[0] - 12, tip[1] + 14), "R")
# The two window corners of the upper window, led out through its open end.
tip = corner_arc_point((front.back_inner, yc - half_chord), (-1, 1), rounding)
d.leader(tip, (front.leg_ends + 6, yc - half_chord + 6), "Rn")
tip = corner_arc_point((front.back_inner, yc - half_c), (-1, -1), rounding)
d.leader(tip, (front.leg_ends + 6, yc - half_c - 8), "Rd")

# Seen from the back's outer face: the outline with Rw on the outer legs' edges,
# the centre leg and the legs' inner faces hidden.
left = 180
right = left + depth
ex = left + depth / 2
d.outline(rounded_polygon([(left, top), (right, top), (right, bottom), (left, bottom)], rounding))
d.hidden_circle(ex, yc, half_c)
reach = math.degrees(math.asin((depth / 2) / half_b))
for middle in (90, 270):
    steps = 12
    arc = []
    for k in range(steps + 1):
        t = math.radians(middle - reach + 2 * reach * k / steps)
        arc.append((ex + half_b * math.cos(t), yc - half_b * math.sin(t)))
    d.hidden(arc)
d.axis((left - 8, yc), (right + 8, yc))
d.axis((ex, top - 8), (ex, bottom + 8))
d.dimension((ex, yc + half_b), (ex, yc - half_b), (ex - left) + 14, "B")
d.dimension((right, top), (right, bottom), 14, "A")
d.dimension((left, bottom), (right, bottom), -14, "D")
tip = corner_arc_point((left, top), (1, 1), rounding)
d.leader(tip, (tip[0] - 12, tip[1] - 14), "Rw")

d.save("etd.svg")
