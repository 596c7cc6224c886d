"""EP core: one half in section across its width, back plate at the top, with A,
B, C, E and F, and the half seen from the mating face: the winding space open
to the left, a half circle round the post at the right, with D and G."""

from drafting import DIM, DIM_WIDTH, EXTENSION_GAP, EXTENSION_OVERRUN, FONT_SIZE, LETTER_GAP, Drawing
from pot_family_parts import HalfSection

d = Drawing(266, 219, "EP core")

half_a, winding, post = 53, 38, 19

# The half in section across the width (A), through the post's axis.
section = HalfSection(d, (64, 62), "down", half_a, winding, post, 0, height=54, depth=38)
section.draw()
section.depth_and_height()
section.across_dimension("C", post, 10)
section.across_dimension("B", winding, 26)
section.across_dimension("A", half_a, 42)

# Seen from the mating face: the open side at the left, the post's axis at G
# from it, the far side at D.
open_side, cy = 152, 110
depth, to_axis = 79, 30
axis_x = open_side + to_axis
top, bottom = cy - half_a, cy + half_a
d.path(
    f"M {open_side} {cy - winding} L {open_side} {top} L {open_side + depth} {top} "
    f"L {open_side + depth} {bottom} L {open_side} {bottom} L {open_side} {cy + winding} "
    f"L {axis_x} {cy + winding} A {winding} {winding} 0 0 0 {axis_x} {cy - winding} Z"
)
d.circle(axis_x, cy, post)
d.axis((open_side - 6, cy), (axis_x + winding + 6, cy))
# The axis carries on above the core as G's extension line.
g_line = top - 12
d.axis((axis_x, g_line - EXTENSION_OVERRUN), (axis_x, cy + post + 6))
d.line((open_side, top - EXTENSION_GAP), (open_side, g_line - EXTENSION_OVERRUN), stroke=DIM, width=DIM_WIDTH * 0.8)
d.dimension_line((open_side, g_line), (axis_x, g_line))
d.letter((open_side + axis_x) / 2, g_line - LETTER_GAP - FONT_SIZE * 0.36, "G")
d.dimension((open_side, bottom), (open_side + depth, bottom), -12, "D")

d.save("ep.svg")
