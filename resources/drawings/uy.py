"""UY core: one U half from the side (back on the left, round limbs to the
right), the limbs seen from their end faces with the grooves r1 and r2 along
their outer sides, and the section through the back with its groove r3."""

import math

from drafting import Drawing, arc_points
from u_family_parts import side_dimensions, u_side

d = Drawing(257, 217, "UY core")

# A UY 40/22/10 at 3.5 px per mm; the grooves are drawn larger than scale to be seen.
mm = 3.5
diameter, window = 10.0 * mm, 20.0 * mm
length, limbs = 22.0 * mm, 14.0 * mm
groove = 5.0
radius = diameter / 2

side = u_side(d, 34, 38, +1, length, length - limbs, diameter, window, diameter)
side_dimensions(d, side)
for y in (side.top + radius, side.bottom - radius):
    d.axis_through((side.back_inner, y), (side.limb_ends, y))

# Seen from the end faces: the round limbs in front of the back, which is as
# deep as they are thick. The grooves run the length of the outer sides, so
# they notch the back's outline too.
left = 146
right = left + diameter
cx = left + radius
# Where a groove's circle meets the limb's, as the angle at the limb's axis
# from its outer point.
limb_angle = math.degrees(math.acos(1 - groove * groove / (2 * radius * radius)))


def notched_face(face_y, outwards):
    """The back's face at face_y, notched by the groove; outwards is -1 for the
    upper face, +1 for the lower."""
    notch = arc_points(cx, face_y, groove, 180, 360, 12) if outwards < 0 else arc_points(cx, face_y, groove, 180, 0, 12)
    return [(left, face_y)] + notch + [(right, face_y)]


d.outline(notched_face(side.top, -1), closed=False)
d.outline(notched_face(side.bottom, +1), closed=False)
d.edge((left, side.top), (left, side.bottom))
d.edge((right, side.top), (right, side.bottom))
upper_cy, lower_cy = side.top + radius, side.bottom - radius
d.outline(arc_points(cx, upper_cy, radius, 90 - limb_angle, -270 + limb_angle, 72), closed=False)
d.outline(arc_points(cx, lower_cy, radius, -90 + limb_angle, 270 - limb_angle, 72), closed=False)
d.axis_through((cx, side.top), (cx, side.bottom))
for y in (upper_cy, lower_cy):
    d.axis_through((left, y), (right, y))
# C across the back between the limbs: the limbs' diameter and the back's depth,
# its letter clear of the centre line.
mid = (side.upper_inner + side.lower_inner) / 2
d.dimension((left, mid), (right, mid), 0, "C", letter_at=0.27)
d.groove_radius(cx, side.top, groove, -60, "r1", length=16)
d.groove_radius(cx, side.bottom, groove, 60, "r2", length=16)

# The back cut across, its outer face on the left with the groove r3.
back = length - limbs
sec_left, sec_top = 222, mid - radius
section = [(sec_left, sec_top), (sec_left + back, sec_top), (sec_left + back, sec_top + diameter),
           (sec_left, sec_top + diameter)]
section += arc_points(sec_left, mid, groove, -90, 90, 12)
d.section(section)
d.groove_radius(sec_left, mid, groove, 0, "r3", length=12)

d.save("uy.svg")
