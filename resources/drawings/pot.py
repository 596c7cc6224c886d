"""Pot core: one half in section (back plate at the left, post with its hole in
the middle, mating face at the right) with E and F, and the half seen from the
mating face: the slotted outer wall, the grooves from the slots in towards the
post, the post and its hole, with A, B, C, D, G and H."""

import math

from drafting import Drawing
from pot_family_parts import HalfSection

d = Drawing(236, 217, "Pot core")

cy = 104
outer, winding, post, hole = 46, 38, 17, 7

# The half in section, axis across the page.
section = HalfSection(d, (10, cy), "right", outer, winding, post, hole, height=52, depth=38)
section.draw()
section.depth_and_height()

# Seen from the mating face.
cx = 164
slot = 6  # half the slot's width
slot_end = 30  # half of H: the grooves run from the wall in to here


def chord(r):
    return math.sqrt(r * r - slot * slot)


for s in (1, -1):
    # One half of the wall's end face, between the two slots.
    x = cx + s * slot
    sweep_out, sweep_in = (1, 0) if s > 0 else (0, 1)
    d.path(
        f"M {x} {cy - chord(outer)} A {outer} {outer} 0 0 {sweep_out} {x} {cy + chord(outer)} "
        f"L {x} {cy + chord(winding)} A {winding} {winding} 0 0 {sweep_in} {x} {cy - chord(winding)} Z"
    )
    # The groove from the slot in to the slot-end diameter.
    edge = cy + s * chord(winding)
    end = cy + s * slot_end
    d.outline([(cx - slot, edge), (cx - slot, end), (cx + slot, end), (cx + slot, edge)], closed=False)
d.circle(cx, cy, post)
d.circle(cx, cy, hole)
d.centre_cross(cx, cy, outer)

d.dimension((cx - slot, cy - chord(outer)), (cx + slot, cy - chord(outer)), 12, "G")
d.dimension((cx - slot, cy - slot_end), (cx - slot, cy + slot_end), -(19 - slot), "H", letter_at=0.3)
# The hole across a diagonal, arrows outside, its letter beyond the post.
c = math.cos(math.radians(45))
d.dimension_line((cx - hole * c, cy + hole * c), (cx + hole * c, cy - hole * c), arrows="outside")
d.letter(cx + 25 * c, cy - 25 * c, "D")
for r, offset, letter in ((post, 56, "C"), (winding, 72, "B"), (outer, 88, "A")):
    d.dimension((cx - r, cy), (cx + r, cy), -offset, letter)

d.save("pot.svg")
