"""EP core: one half in section across its width, back plate at the top, with A,
B, C, E and F, and the half seen from the mating face: the winding space open
to the left, a half circle round the post at the right, with D and G."""

from drafting import DIM_OFFSET, Drawing, arc_points
from pot_family_parts import HalfSection

d = Drawing(266, 219, "EP core", visible=(0, 0, 265, 219))

half_a, winding, post = 58, 42, 21

# The half in section across the width (A), through the post's axis.
section = HalfSection(d, (70, 52), "down", half_a, winding, post, 0, height=58, depth=41)
section.draw()
section.depth_and_height()
section.across_dimensions([("C", post), ("B", winding), ("A", half_a)])

# Seen from the mating face: the open side at the left, the post's axis at G
# from it, the far side at D.
open_side, cy = 160, 110
depth, to_axis = 88, 33
axis_x = open_side + to_axis
top, bottom = cy - half_a, cy + half_a
d.outline(
    [(open_side, cy - winding), (open_side, top), (open_side + depth, top), (open_side + depth, bottom),
     (open_side, bottom), (open_side, cy + winding), (axis_x, cy + winding)]
    + arc_points(axis_x, cy, winding, -90, 90, 36)[1:-1]
    + [(axis_x, cy - winding)]
)
d.circle(axis_x, cy, post)
d.axis_through((open_side, cy), (axis_x + winding, cy))
# The post's axis runs on above the core as G's second extension line.
g_line = top - DIM_OFFSET
d.axis_through((axis_x, g_line), (axis_x, cy + post))
d.dimension((open_side, top), (axis_x, top), DIM_OFFSET, "G", extensions=(True, False))
d.dimension((open_side, bottom), (open_side + depth, bottom), -DIM_OFFSET, "D")

d.save("ep.svg")
