"""UF core: one U half from the side (back on the left, limbs to the right) and
seen from the limbs' end faces, where the upper limb (P) and the lower limb (C)
show their thicknesses over the depth D."""

from drafting import Drawing
from u_family_parts import limb_cuts_dimensions, side_dimensions, u_side

d = Drawing(257, 217, "UF core")

# A UF 59/34/16 at 2.4 px per mm, its upper limb drawn a little thinner to show
# that the two may differ.
mm = 2.4
window, lower, upper = 32.4 * mm, 14.0 * mm, 12.8 * mm
length, limbs, depth = 33.5 * mm, 20.6 * mm, 16.5 * mm

side = u_side(d, 36, 38, +1, length, length - limbs, upper, window, lower)
side_dimensions(d, side)

# Seen from the end faces: the two limbs' faces, with the back's inner face
# between them farther away.
left = 172
right = left + depth
d.outline([(left, side.top), (right, side.top), (right, side.bottom), (left, side.bottom)])
d.edge((left, side.upper_inner), (right, side.upper_inner))
d.edge((left, side.lower_inner), (right, side.lower_inner))
d.axis_through(((left + right) / 2, side.top), ((left + right) / 2, side.bottom))
limb_cuts_dimensions(d, left, right, side)

d.save("uf.svg")
