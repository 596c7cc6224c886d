"""ED core: one half-core from the front (back on the left, legs to the right)
and the cut across its legs, where the round centre leg shows as a disc."""

from drafting import Drawing
from e_family_parts import e_front, front_dimensions, leg_cuts

d = Drawing(265, 217, "ED core")

# An ED 34 at 4.2 px per mm.
mm = 4.2
half_a, half_b, half_c = 17.1 * mm, 12.5 * mm, 4.9 * mm
height, legs, depth = 17.0 * mm, 12.0 * mm, 9.6 * mm
yc = 112

front = e_front(d, 28, yc, +1, height - legs, height, half_a, half_b, half_c)
front_dimensions(d, front)
leg_cuts(d, 192, depth, yc, half_a, half_b, half_c, round_centre=True)

d.save("ed.svg")
