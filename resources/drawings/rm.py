"""RM core: one half seen from the mating face (the two legs with their 45°
chamfers, the winding space open at the left and right, the post) with H, G, I
and A across the chamfers, and beside it the half in section through the legs,
in line with them, with B, C, E and F.

The picture box is 265 x 185 px and hides the drawing's last 8 columns and 4 rows."""

import math

from drafting import DIM_OFFSET, DIM_STEP, Drawing, arc_points
from pot_family_parts import HalfSection

d = Drawing(273, 189, "RM core", visible=(0, 0, 265, 185))

# Seen from the mating face. Half-sizes: length across the legs (G), width
# across the open sides (H), winding space (B), post (C), opening (I).
cx, cy = 84, 94
half_g, half_h, winding, post, half_i = 43, 37, 32, 13.5, 15
flat = 48 * math.sqrt(2)  # |x| + |y| on a chamfer: A/2 = 48 across the flats
corner_top = flat - half_g  # where a chamfer meets the top or bottom edge
corner_side = flat - half_h  # where it meets a side

outline = []
for sx, sy in ((1, -1), (1, 1), (-1, 1), (-1, -1)):
    # each corner in turn, clockwise from the top right: edge end, chamfer end
    first = (cx + sx * corner_top, cy + sy * half_g)
    second = (cx + sx * half_h, cy + sy * corner_side)
    outline += [first, second] if sx * sy < 0 else [second, first]
d.outline(outline)

# The inner faces of the legs are arcs of the winding space; the legs' end
# faces run along the openings.
reach = math.degrees(math.asin(half_i / winding))
d.outline(arc_points(cx, cy, winding, reach, 180 - reach, 36), closed=False)
d.outline(arc_points(cx, cy, winding, 180 + reach, 360 - reach, 36), closed=False)
leg_end = math.sqrt(winding * winding - half_i * half_i)
for s in (1, -1):
    y = cy + s * half_i
    d.edge((cx - half_h, y), (cx - leg_end, y))
    d.edge((cx + half_h, y), (cx + leg_end, y))
d.circle(cx, cy, post)
d.axis_through((cx - half_h, cy), (cx + half_h, cy))
d.axis_through((cx, cy - half_g), (cx, cy + half_g))

d.dimension((cx - half_h, cy - half_i), (cx - half_h, cy + half_i), -DIM_OFFSET, "I")
d.dimension((cx - corner_top, cy - half_g), (cx - corner_top, cy + half_g),
            -(half_h - corner_top + DIM_OFFSET + DIM_STEP), "G")
d.dimension((cx - half_h, cy + corner_side), (cx + half_h, cy + corner_side),
            -(half_g - corner_side + DIM_OFFSET), "H")
# A across the flats of two opposite chamfers, measured square to them: the
# extension lines run on along the flats, up and to the right, past the
# chamfer between them.
d.dimension_along((cx - corner_top, cy - half_g), (cx + half_h, cy + corner_side), (1, -1), DIM_OFFSET, "A",
                  clear_of=(cx + corner_top, cy - half_g))

# The half in section through the legs, in line with the view: back plate at
# the left, mating face at the right.
section = HalfSection(d, (172, cy), "right", half_g, winding, post, 0, height=40, depth=28)
section.draw()
section.depth_and_height()
section.across_dimensions([("C", post), ("B", winding)])

d.save("rm.svg")
