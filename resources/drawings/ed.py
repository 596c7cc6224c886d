"""ED core: one half-core from the front (back on the left, legs to the right)
and the cut across its legs, where the round centre leg shows as a disc."""

from drafting import Drawing
from e_family_parts import e_front, leg_cuts

d = Drawing(265, 217, "ED core")

# An ED 34 at 4.2 px per mm.
mm = 4.2
half_a, half_b, half_c = 17.1 * mm, 12.5 * mm, 4.9 * mm
height, legs, depth = 17.0 * mm, 12.0 * mm, 9.6 * mm
yc = 106
top, bottom = yc - half_a, yc + half_a

front = e_front(d, 30, yc, +1, height - legs, height, half_a, half_b, half_c)
d.axis((front.back_outer - 8, yc), (front.leg_ends + 8, yc))
d.dimension((front.back_outer, bottom), (front.leg_ends, bottom), -16, "F")
# E runs from the window floor to the leg ends, inside the lower window.
d.dimension((front.back_inner, yc + half_b), (front.leg_ends, yc + half_b), 10, "E")
d.dimension((front.leg_ends, yc - half_c), (front.leg_ends, yc + half_c), 14, "C")
d.dimension((front.leg_ends, yc - half_b), (front.leg_ends, yc + half_b), 30, "B")

left = 200
right = left + depth
leg_cuts(d, left, depth, yc, half_a, half_b, half_c, round_centre=True)
d.axis((left - 8, yc), (right + 8, yc))
d.axis((left + depth / 2, top - 8), (left + depth / 2, bottom + 8))
d.dimension((left, bottom), (left, top), 14, "A")
d.dimension((left, bottom), (right, bottom), -16, "D")

d.save("ed.svg")
