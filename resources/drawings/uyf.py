"""UYF core: one U half standing on its back, legs up, the round leg (cut flat
on its outer side) on the left and the rectangular leg on the right. The top
view shows the leg ends, the flat (H), the depth C and the rectangular leg's
width D; the front view the overall sizes A and F, the window B and the legs'
length E, the chamfers G on the rectangular leg and the radii Gd at the back's
bottom edges; the side view looks at the rectangular leg's outer face with the
groove that runs along it and under the back; the detail gives the groove's
profile X, Y and Z.

The window hides the drawing's outer 8 px at the top and the left."""

import math

from drafting import DIM_OFFSET, DIM_STEP, Drawing, arc_points, rounded

d = Drawing(313, 257, "UYF core", visible=(8, 8, 313, 257))

# A UYF 48/32/16 at 3.2 px per mm; the chamfers, radii and groove are drawn a
# little larger than scale to be seen.
mm = 3.2
diameter, flat, window, leg_width = 16.0 * mm, 2.5 * mm, 24.0 * mm, 11.0 * mm
height, legs = 32.0 * mm, 20.0 * mm
chamfer, corner_r = 4.0, 6.0
groove_bottom, groove_mouth, groove_depth = 3.0 * mm, 5.0 * mm, 2.0 * mm

left = 42
right = left + (diameter - flat) + window + leg_width
radius = diameter / 2
leg_axis = left + radius - flat  # the round leg's axis, flat-to-axis distance R − H
round_leg_right = left + diameter - flat
rect_leg_left = right - leg_width

# ---- top view: the leg ends over the back ----------------------------------
t_top = 36
t_bottom = t_top + diameter
cy = (t_top + t_bottom) / 2
half_flat = math.sqrt(radius * radius - (radius - flat) ** 2)
# The back seen from above, its right end notched by the groove.
d.outline([
    (left, t_top), (right, t_top), (right, cy - groove_mouth / 2),
    (right - groove_depth, cy - groove_bottom / 2), (right - groove_depth, cy + groove_bottom / 2),
    (right, cy + groove_mouth / 2), (right, t_bottom), (left, t_bottom),
])
# The round leg's end: the circle up to the flat, which lies in the back's end
# face, and the part of the circle that the flat cuts away.
flat_angle = math.degrees(math.atan2(half_flat, radius - flat))
d.outline(arc_points(leg_axis, cy, radius, 180 - flat_angle, -180 + flat_angle, 72), closed=False)
d.phantom(arc_points(leg_axis, cy, radius, 180 - flat_angle, 180 + flat_angle, 16))
# The rectangular leg's inner face, and its chamfers seen from above.
d.edge((rect_leg_left, t_top), (rect_leg_left, t_bottom))
d.edge((rect_leg_left + chamfer, t_top), (rect_leg_left + chamfer, t_bottom))
d.edge((right - chamfer, t_top), (right - chamfer, cy - groove_mouth / 2 - 1))
d.edge((right - chamfer, cy + groove_mouth / 2 + 1), (right - chamfer, t_bottom))
d.axis_through((leg_axis - radius, cy), (right, cy))
d.axis_through((leg_axis, t_top), (leg_axis, t_bottom))

d.dimension((rect_leg_left, t_top), (right, t_top), DIM_OFFSET, "D")
d.dimension((right, t_top), (right, t_bottom), DIM_OFFSET, "C")
# H from the full circle to the flat, below the view.
d.dimension((leg_axis - radius, cy), (left, cy), -(t_bottom - cy) - DIM_OFFSET, "H")

# ---- front view -------------------------------------------------------------
f_top = 118
f_bottom = f_top + height
back_inner = f_top + legs
corners = [
    (left, f_top), (round_leg_right, f_top), (round_leg_right, back_inner), (rect_leg_left, back_inner),
    (rect_leg_left, f_top + chamfer), (rect_leg_left + chamfer, f_top), (right - chamfer, f_top),
    (right, f_top + chamfer), (right, f_bottom), (left, f_bottom),
]
d.outline(rounded(corners, {8: corner_r, 9: corner_r}))
# The groove's floor, behind the rectangular leg's outer face and under the back.
d.hidden([(right - groove_depth, f_top), (right - groove_depth, f_bottom - groove_depth),
          (left, f_bottom - groove_depth)])
d.axis_through((leg_axis, f_top), (leg_axis, back_inner))

d.dimension((left, f_bottom), (right, f_bottom), -DIM_OFFSET, "A")
d.dimension((left, f_bottom), (left, f_top), DIM_OFFSET, "F")
d.dimension((round_leg_right, f_top), (rect_leg_left, f_top), DIM_OFFSET, "B")
d.dimension((round_leg_right, back_inner), (round_leg_right, f_top), -DIM_OFFSET, "E")
# G on the chamfer of the leg's outer edge, square to it.
tip = (right - chamfer / 2, f_top + chamfer / 2)
d.leader(tip, (tip[0] + 9, tip[1] - 9), "G")
d.corner_radius(corners, 8, corner_r, "Gd")

# ---- side view: the rectangular leg's outer face, with the groove along it ----
s_left = 238
s_right = s_left + diameter
s_mid = (s_left + s_right) / 2
d.outline([(s_left, f_top), (s_right, f_top), (s_right, f_bottom), (s_left, f_bottom)])
# The chamfer's lower edge, broken by the groove.
d.edge((s_left, f_top + chamfer), (s_mid - groove_mouth / 2, f_top + chamfer))
d.edge((s_mid + groove_mouth / 2, f_top + chamfer), (s_right, f_top + chamfer))
# The groove's edges at the face and at its floor.
for offset in (groove_mouth / 2, groove_bottom / 2):
    for x in (s_mid - offset, s_mid + offset):
        d.edge((x, f_top), (x, f_bottom))
d.axis_through((s_mid, f_top), (s_mid, f_bottom))

# ---- detail: the groove's profile, enlarged, opening upwards ----------------
scale = 12.0 / mm  # the detail at 12 px per mm
x_w, y_w, z_d = groove_bottom * scale, groove_mouth * scale, groove_depth * scale
g_cx, surface = 264, 58
shoulder = 10
block_left, block_right, block_bottom = g_cx - y_w / 2 - shoulder, g_cx + y_w / 2 + shoulder, surface + z_d + 12
d.section([
    (block_left, surface), (g_cx - y_w / 2, surface), (g_cx - x_w / 2, surface + z_d),
    (g_cx + x_w / 2, surface + z_d), (g_cx + y_w / 2, surface), (block_right, surface),
    (block_right, block_bottom), (block_left, block_bottom),
])
d.axis_through((g_cx, surface), (g_cx, block_bottom))
d.dimension((g_cx - x_w / 2, surface + z_d), (g_cx + x_w / 2, surface + z_d), z_d + DIM_OFFSET, "X")
d.dimension((g_cx - y_w / 2, surface), (g_cx + y_w / 2, surface), DIM_OFFSET + DIM_STEP, "Y")
# Z from the face, carried across the groove's mouth, down to the groove's floor.
d.reference((g_cx - y_w / 2 + 2, surface), (g_cx + y_w / 2 - 2, surface))
d.dimension((g_cx + 3, surface + z_d), (g_cx + 3, surface), 0, "Z", letter_side=-1)

d.save("uyf.svg")
