"""EI core: from the front, the E with its back on the right and its legs to the
left, closed by the I bar; at the right the cut across the three legs."""

from drafting import Drawing
from e_family_parts import e_front, leg_cuts

d = Drawing(265, 233, "EI core")

# An EI 28 at 4.8 px per mm.
mm = 4.8
half_a, half_b, half_c = 14.0 * mm, 9.5 * mm, 4.75 * mm
length, window, bar, depth = 19.0 * mm, 14.5 * mm, 4.7 * mm, 10.6 * mm
yc = 116
top, bottom = yc - half_a, yc + half_a

bar_outer = 10
bar_face = bar_outer + bar
d.outline([(bar_outer, top), (bar_face, top), (bar_face, bottom), (bar_outer, bottom)])
front = e_front(d, bar_face + length, yc, -1, length - window, length, half_a, half_b, half_c)
d.axis((bar_outer - 8, yc), (front.back_outer + 8, yc))

d.dimension((bar_face, top), (front.back_outer, top), 18, "F")
# E runs from the bar's face to the window floor, inside the lower window.
d.dimension((bar_face, yc + half_b), (front.back_inner, yc + half_b), 10, "E")
d.dimension((bar_outer, bottom), (bar_face, bottom), -14, "G")

left = 166
right = left + depth
leg_cuts(d, left, depth, yc, half_a, half_b, half_c)
d.axis((left - 8, yc), (right + 8, yc))
d.axis((left + depth / 2, top - 8), (left + depth / 2, bottom + 8))
d.dimension((left, bottom), (left, top), 14, "A")
d.dimension((right, yc - half_c), (right, yc + half_c), 14, "C")
d.dimension((right, yc - half_b), (right, yc + half_b), 30, "B")
d.dimension((left, bottom), (right, bottom), -14, "D")

d.save("ei.svg")
