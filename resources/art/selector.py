"""The selector's background: a light grey textured ground, the program's logo
and title in red at the top, and grey three-dimensional sketches of core shapes.

Run with python3 from this folder; it writes selector.svg and, titled in English,
selector-en.svg (547 x 496 px)."""

import math
import random

from artwork import FONT, KAI, RED, SERIF, fmt, write_svg

# The selector's client area is 538 x 469 px and cuts the picture's right and
# bottom edges; every sketch lies inside it.
W, H = 547, 496
out = []


def poly(points, fill, stroke="#7a7a7a", width=0.8):
    pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    out.append(f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" stroke-width="{width}" stroke-linejoin="round"/>')


# ---- ground: light grey with a fine, irregular grain --------------------
out.append(f'<rect width="{W}" height="{H}" fill="#d8d8d8"/>')
rng = random.Random(60205)
for _ in range(900):
    x, y = rng.uniform(0, W), rng.uniform(0, H)
    shade = rng.choice(["#cbcbcb", "#e4e4e4", "#d0d0d0", "#e9e9e9"])
    out.append(f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(rng.uniform(1, 3))}" height="1" fill="{shade}"/>')

# ---- isometric sketches of cores ----------------------------------------
C30, S30 = math.cos(math.radians(30)), math.sin(math.radians(30))


def iso(ox, oy, s):
    def project(x, y, z):
        return ox + (x - y) * C30 * s, oy + (x + y) * S30 * s - z * s
    return project


def box(p, x0, y0, z0, dx, dy, dz):
    """A solid block drawn with its three visible faces (top, left front, right front)."""
    x1, y1, z1 = x0 + dx, y0 + dy, z0 + dz
    poly([p(x0, y0, z1), p(x1, y0, z1), p(x1, y1, z1), p(x0, y1, z1)], "#eeeeee")  # top
    poly([p(x0, y1, z0), p(x1, y1, z0), p(x1, y1, z1), p(x0, y1, z1)], "#c4c4c4")  # front left
    poly([p(x1, y0, z0), p(x1, y1, z0), p(x1, y1, z1), p(x1, y0, z1)], "#a9a9a9")  # front right


def e_core(ox, oy, s):
    """An E half-core lying on its side, the three legs pointing at the viewer."""
    p = iso(ox, oy, s)
    box(p, 0, 0, 0, 10, 2.5, 4)  # the back
    for x0, dx in ((0, 2), (3.5, 3), (8, 2)):  # the legs, far to near
        box(p, x0, 2.5, 0, dx, 6.5, 4)


def u_core(ox, oy, s):
    """A U half-core standing on its back."""
    p = iso(ox, oy, s)
    box(p, 0, 0, 0, 3, 12, 3)
    box(p, 0, 0, 3, 3, 3, 8)
    box(p, 0, 9, 3, 3, 3, 8)


def cylinder(cx, cy, rx, ry, h, hole=0.0):
    """An upright cylinder (optionally with a centre hole) seen from above the side."""
    top = cy - h
    steps = 48
    front = [(cx + rx * math.cos(math.pi * k / steps), cy + ry * math.sin(math.pi * k / steps)) for k in range(steps + 1)]
    band = front + [(x, y - h) for x, y in reversed(front)]
    poly(band, "#b8b8b8")
    rim = [(cx + rx * math.cos(2 * math.pi * k / steps), top + ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)]
    poly(rim, "#ececec")
    if hole > 0:
        inner = [(cx + hole * rx * math.cos(2 * math.pi * k / steps), top + hole * ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)]
        poly(inner, "#a0a0a0")


def toroid(cx, cy, rx, ry, h, inner):
    cylinder(cx, cy, rx, ry, h, hole=inner)


def pot_core(cx, cy, rx, ry, h):
    cylinder(cx, cy, rx, ry, h)
    top = cy - h
    # the winding space and the centre post, seen in the mating face
    steps = 48
    ring = [(cx + 0.78 * rx * math.cos(2 * math.pi * k / steps), top + 0.78 * ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)]
    poly(ring, "#b0b0b0")
    post = [(cx + 0.36 * rx * math.cos(2 * math.pi * k / steps), top + 0.36 * ry * math.sin(2 * math.pi * k / steps)) for k in range(steps)]
    poly(post, "#e6e6e6")
    for side in (-1, 1):  # the two wire slots
        x = cx + side * 0.9 * rx
        poly([(x - 3, top - 2), (x + 3, top - 2), (x + 3, top + 3), (x - 3, top + 3)], "#b0b0b0", stroke="#b0b0b0")


out.append('<g opacity="0.85">')
# a row beside the prompt, under the title
toroid(262, 122, 30, 12, 9, 0.55)
e_core(322, 104, 3.6)
pot_core(430, 122, 26, 10, 12)
u_core(488, 92, 2.6)
# two more in the free corners below the options: left of the notice line and
# right of the Exit button
toroid(52, 440, 40, 14, 10, 0.55)
pot_core(496, 384, 27, 10, 12)
out.append("</g>")

# ---- logo and title --------------------------------------------------------
# The logo: a red ferrite ring around the program's initials.
lx, ly = 44, 40
out.append(f'<circle cx="{lx}" cy="{ly}" r="24" fill="#ffffff" fill-opacity="0.55" stroke="{RED}" stroke-width="7"/>')
out.append(f'<circle cx="{lx}" cy="{ly}" r="17.5" fill="none" stroke="{RED}" stroke-width="1"/>')
out.append(f'<text x="{lx}" y="{ly + 5}" font-family="{FONT}" font-weight="bold" font-size="14" fill="{RED}" text-anchor="middle">fc</text>')

subtitle = (f'<text x="88" y="72" font-family="{FONT}" font-size="10" fill="#8a1010" letter-spacing="1">'
            'ferricalc · C1  C2  Le  Ae  Ve · IEC 60205</text>')


def titled(title, family, size, path):
    """The background with its title in one language, a grey shadow behind the red."""
    lines = [f'<text x="{86 + 1.5}" y="{53 + 1.5}" font-family="{family}" font-size="{size}" fill="#9a9a9a">{title}</text>',
             f'<text x="86" y="53" font-family="{family}" font-size="{size}" fill="{RED}">{title}</text>', subtitle]
    write_svg(path, W, H, "ferricalc selector background", out + lines)


titled("铁氧体磁芯有效参数计算", KAI, 33, "selector.svg")
# The English title in the serif the English windows use, as long as the Chinese one.
titled("Ferrite Core Effective Parameters", SERIF, 25, "selector-en.svg")
