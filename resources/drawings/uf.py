"""UF core: one U half from the side (back on the left, limbs to the right) and
seen from the limbs' end faces, where the upper limb (P) and the lower limb (C)
show their thicknesses over the depth D."""

from drafting import Drawing
from u_family_parts import side_dimensions, u_side

d = Drawing(257, 217, "UF core")

# A UF 59/34/16 at 2.4 px per mm, its upper limb drawn a little thinner to show
# that the two may differ.
mm = 2.4
overall, window, lower, upper = 59.2 * mm, 32.4 * mm, 14.0 * mm, 12.8 * mm
length, limbs, depth = 33.5 * mm, 20.6 * mm, 16.5 * mm
top = 34

side = u_side(d, 38, top, +1, length, length - limbs, upper, window, lower)
side_dimensions(d, side, overall_side=-1)

# Seen from the end faces: the two limbs' faces, with the back's inner face
# between them farther away.
left = 170
right = left + depth
d.outline([(left, side.top), (right, side.top), (right, side.bottom), (left, side.bottom)])
d.line((left, side.upper_inner), (right, side.upper_inner))
d.line((left, side.lower_inner), (right, side.lower_inner))
d.axis(((left + right) / 2, side.top - 8), ((left + right) / 2, side.bottom + 8))
d.dimension((right, side.top), (right, side.upper_inner), 14, "P")
d.dimension((right, side.lower_inner), (right, side.bottom), 14, "C")
d.dimension((left, side.bottom), (right, side.bottom), -14, "D")

d.save("uf.svg")
