"""RM core: one half seen from the mating face (the two legs with their 45°
chamfers, the winding space open at the left and right, the post) with H, G, I
and A across the chamfers, and the half in section through the legs with B, C,
E and F."""

import math

from drafting import DIM, DIM_WIDTH, EXTENSION_GAP, EXTENSION_OVERRUN, Drawing
from pot_family_parts import HalfSection

d = Drawing(273, 189, "RM core")

# Seen from the mating face. Half-sizes: length across the legs (G), width
# across the open sides (H), winding space (B), post (C), opening (I).
cx, cy = 74, 96
half_g, half_h, winding, post, half_i = 38, 33, 28, 13, 13
flat = 43 * math.sqrt(2)  # |x| + |y| on a chamfer: A/2 = 43 across the flats
corner_top = flat - half_g  # where a chamfer meets the top or bottom edge
corner_side = flat - half_h  # where it meets a side

outline = []
for sx, sy in ((1, -1), (1, 1), (-1, 1), (-1, -1)):
    # each corner in turn, clockwise from the top right: edge end, chamfer end
    first = (cx + sx * corner_top, cy + sy * half_g)
    second = (cx + sx * half_h, cy + sy * corner_side)
    outline += [first, second] if sx * sy < 0 else [second, first]
d.outline(outline)

leg_end = math.sqrt(winding * winding - half_i * half_i)
for s in (1, -1):
    # The inner face of the top (s = -1) or bottom leg, an arc of the winding space.
    y = cy + s * half_i
    start, end = (cx + s * leg_end, y), (cx - s * leg_end, y)
    d.path(f"M {start[0]:.2f} {start[1]} A {winding} {winding} 0 0 1 {end[0]:.2f} {end[1]}")
    # The legs' end faces along the openings.
    d.line((cx - half_h, y), (cx - leg_end, y))
    d.line((cx + half_h, y), (cx + leg_end, y))
d.circle(cx, cy, post)
d.axis((cx - half_h - 5, cy), (cx + half_h + 5, cy))
d.axis((cx, cy - half_g - 5), (cx, cy + half_g + 5))

d.dimension((cx - half_h, cy - half_i), (cx - half_h, cy + half_i), -10, "I")
d.dimension((cx - corner_top, cy - half_g), (cx - corner_top, cy + half_g), -(half_h + 24 - corner_top), "G")
d.dimension((cx - half_h, cy + corner_side), (cx + half_h, cy + corner_side), -(half_g + 12 - corner_side), "H")

# A, across the flats of two opposite chamfers: extension lines run on along the
# flats (up and to the right), the dimension line square to them.
along = (1 / math.sqrt(2), -1 / math.sqrt(2))
upper_left_end = (cx - corner_top, cy - half_g)
lower_right_end = (cx + half_h, cy + corner_side)


def across_flats(p):
    return ((p[0] - cx) - (p[1] - cy)) / math.sqrt(2)  # position along `along`


reach = 50.0  # where the dimension line runs, measured along `along` from the centre
ends = []
for p in (upper_left_end, lower_right_end):
    t = reach - across_flats(p)
    ends.append((p[0] + along[0] * t, p[1] + along[1] * t))
    start = (p[0] + along[0] * EXTENSION_GAP, p[1] + along[1] * EXTENSION_GAP)
    stop = (p[0] + along[0] * (t + EXTENSION_OVERRUN), p[1] + along[1] * (t + EXTENSION_OVERRUN))
    d.line(start, stop, stroke=DIM, width=DIM_WIDTH * 0.8)
d.dimension_line(ends[0], ends[1])
middle = ((ends[0][0] + ends[1][0]) / 2, (ends[0][1] + ends[1][1]) / 2)
d.letter(middle[0] + along[0] * 9, middle[1] + along[1] * 9, "A")

# The half in section through the legs, back plate at the top.
section = HalfSection(d, (200, 58), "down", half_g, winding, post, 0, height=36, depth=25)
section.draw()
section.depth_and_height()
section.across_dimension("C", post, 10)
section.across_dimension("B", winding, 26)

d.save("rm.svg")
