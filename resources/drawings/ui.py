"""UI core: from left to right the I bar, the U from the side with its limbs
pointing at the bar and its back on the right, and the cut across the two
limbs, where the upper limb (P) and the lower limb (C) show their thicknesses
over the depth D."""

from drafting import Drawing
from u_family_parts import cut_section, side_dimensions, u_side

d = Drawing(281, 217, "UI core")

# A UI 40/25/12 at 3.6 px per mm, its upper limb drawn a little thinner to show
# that the two may differ; the bar is drawn apart from the limbs' end faces.
mm = 3.6
overall, window, lower, upper = 40.0 * mm, 20.0 * mm, 10.0 * mm, 8.5 * mm
length, limbs, depth, bar = 25.0 * mm, 15.0 * mm, 12.0 * mm, 8.0 * mm
top = 36
gap = 16

bar_left = 24
bar_face = bar_left + bar
back_outer = bar_face + gap + length
side = u_side(d, back_outer, top, -1, length, length - limbs, upper, window, lower)
d.outline([(bar_left, side.top), (bar_face, side.top), (bar_face, side.bottom), (bar_left, side.bottom)])
side_dimensions(d, side, overall_side=-1, mouth_offset=gap / 2, mouth_letter_side=-1)
d.dimension((bar_left, side.bottom), (bar_face, side.bottom), -14, "G")

# The cut across both limbs, seen from the bar.
left = 206
right = left + depth
cut_section(d, [(left, side.top), (right, side.top), (right, side.upper_inner), (left, side.upper_inner)])
cut_section(d, [(left, side.lower_inner), (right, side.lower_inner), (right, side.bottom), (left, side.bottom)])
d.axis(((left + right) / 2, side.top - 8), ((left + right) / 2, side.bottom + 8))
d.dimension((right, side.top), (right, side.upper_inner), 14, "P")
d.dimension((right, side.lower_inner), (right, side.bottom), 14, "C")
d.dimension((left, side.bottom), (right, side.bottom), -14, "D")

d.save("ui.svg")
