"""EI core: from the front, the E with its back on the right and its legs to the
left, closed by the I bar; at the right the cut across the three legs. E and F
run from the bar's face, G is the bar's thickness."""

from drafting import DIM_OFFSET, DIM_STEP, Drawing
from e_family_parts import e_front, e_offset, leg_cuts

d = Drawing(265, 233, "EI core")

# An EI 28 at 4.8 px per mm.
mm = 4.8
half_a, half_b, half_c = 14.0 * mm, 9.5 * mm, 4.75 * mm
length, window, bar, depth = 19.0 * mm, 14.5 * mm, 4.7 * mm, 10.6 * mm
yc = 118
top, bottom = yc - half_a, yc + half_a

bar_outer = 12
bar_face = bar_outer + bar
d.outline([(bar_outer, top), (bar_face, top), (bar_face, bottom), (bar_outer, bottom)])
front = e_front(d, bar_face + length, yc, -1, length - window, length, half_a, half_b, half_c, axis=False)
d.axis_through((bar_outer, yc), (front.back_outer, yc))

d.dimension((bar_face, top), (front.back_outer, top), DIM_OFFSET, "F")
d.dimension((bar_face, yc + half_b), (front.back_inner, yc + half_b), e_offset(front, half_b), "E")
d.dimension((bar_outer, bottom), (bar_face, bottom), -DIM_OFFSET, "G")

left = 168
right = left + depth
leg_cuts(d, left, depth, yc, half_a, half_b, half_c)
d.dimension((right, yc - half_c), (right, yc + half_c), DIM_OFFSET, "C")
d.dimension((right, yc - half_b), (right, yc + half_b), DIM_OFFSET + DIM_STEP, "B")

d.save("ei.svg")
