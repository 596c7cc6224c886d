"""UI core: from left to right the I bar, the U from the side with its limbs
pointing at the bar and its back on the right, and the cut across the two
limbs, where the upper limb (P) and the lower limb (C) show their thicknesses
over the depth D."""

from drafting import DIM_OFFSET, Drawing
from u_family_parts import limb_cuts_dimensions, side_dimensions, u_side

d = Drawing(281, 217, "UI core")

# A UI 40/25/12 at 3.6 px per mm, its upper limb drawn a little thinner to show
# that the two may differ; the bar is drawn apart from the limbs' end faces.
mm = 3.6
window, lower, upper = 20.0 * mm, 10.0 * mm, 8.5 * mm
length, limbs, depth, bar = 25.0 * mm, 15.0 * mm, 12.0 * mm, 8.0 * mm
gap = 18

bar_left = 24
bar_face = bar_left + bar
side = u_side(d, bar_face + gap + length, 38, -1, length, length - limbs, upper, window, lower)
d.outline([(bar_left, side.top), (bar_face, side.top), (bar_face, side.bottom), (bar_left, side.bottom)])
side_dimensions(d, side, mouth_offset=gap / 2, mouth_letter_side=-1)
d.dimension((bar_left, side.bottom), (bar_face, side.bottom), -DIM_OFFSET, "G")

# The cut across both limbs, seen from the bar.
left = 208
right = left + depth
d.section([(left, side.top), (right, side.top), (right, side.upper_inner), (left, side.upper_inner)])
d.section([(left, side.lower_inner), (right, side.lower_inner), (right, side.bottom), (left, side.bottom)])
d.axis_through(((left + right) / 2, side.top), ((left + right) / 2, side.bottom))
limb_cuts_dimensions(d, left, right, side)

d.save("ui.svg")
