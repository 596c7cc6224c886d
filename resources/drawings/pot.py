"""Pot core: one half in section (back plate at the left, post with its hole in
the middle, mating face at the right) with E and F, and the half seen from the
mating face: the slotted outer wall, the grooves from the slots in towards the
post, the post and its hole, with A, B, C, D, G and H.

The picture box is 233 px wide and hides the drawing's last 3 columns."""

import math

from drafting import DIM_OFFSET, DIM_STEP, Drawing, arc_points
from pot_family_parts import HalfSection

d = Drawing(236, 217, "Pot core", visible=(0, 0, 233, 217))

cy = 102
outer, winding, post, hole = 50, 41, 18.5, 7.5

# The half in section, axis across the page.
section = HalfSection(d, (12, cy), "right", outer, winding, post, hole, height=56, depth=40)
section.draw()
section.depth_and_height()

# Seen from the mating face.
cx = 160
slot = 6.5  # half the slot's width
slot_end = 30  # half of H: the back plate is cut by the slots from B in to here


def wall_angle(r):
    """Where a slot's side meets the circle of radius r, in degrees from the vertical."""
    return math.degrees(math.asin(slot / r))


for s in (1, -1):
    # One half of the wall's end face, between the two slots: the outer arc
    # from the upper slot round to the lower one, the inner arc back.
    w_outer, w_inner = wall_angle(outer), wall_angle(winding)
    if s > 0:
        outer_arc = arc_points(cx, cy, outer, 90 - w_outer, -90 + w_outer, 48)
        inner_arc = arc_points(cx, cy, winding, -90 + w_inner, 90 - w_inner, 48)
    else:
        outer_arc = arc_points(cx, cy, outer, 90 + w_outer, 270 - w_outer, 48)
        inner_arc = arc_points(cx, cy, winding, 270 - w_inner, 90 + w_inner, 48)
    d.outline(outer_arc + inner_arc)
    # The groove from the slot in to the slot-end diameter.
    edge = cy + s * math.sqrt(winding**2 - slot**2)
    end = cy + s * slot_end
    d.outline([(cx - slot, edge), (cx - slot, end), (cx + slot, end), (cx + slot, edge)], closed=False)
d.circle(cx, cy, post)
d.circle(cx, cy, hole)
d.centre_cross(cx, cy, outer)

chord = math.sqrt(outer**2 - slot**2)
d.dimension((cx - slot, cy - chord), (cx + slot, cy - chord), DIM_OFFSET, "G")
# H between the grooves' inner ends, in the winding space close beside the post,
# its letter on the post's side clear of the wall.
h_line = post + 5
d.dimension((cx - slot, cy - slot_end), (cx - slot, cy + slot_end), -(h_line - slot), "H", letter_side=-1, letter_at=0.15)
# The hole across a diagonal, arrows outside, its letter beyond the post.
c = math.cos(math.radians(45))
d.dimension_line((cx - hole * c, cy + hole * c), (cx + hole * c, cy - hole * c), arrows="outside")
d.letter(cx + 26 * c, cy - 26 * c, "D")
for row, (r, letter) in enumerate(((post, "C"), (winding, "B"), (outer, "A"))):
    d.dimension((cx - r, cy), (cx + r, cy), -(outer + DIM_OFFSET + row * DIM_STEP), letter)

d.save("pot.svg")
