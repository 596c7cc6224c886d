"""The program's icon: the red ferrite ring of the selector's logo, seen face on,
with a copper winding on its lower right.

Drawn on a 64-unit grid with broad shapes so that it still reads as a wound
ring at 16 px: the ring is a quarter of the icon wide, the winding a single
copper band whose turns only show from about 32 px up.

Run with python3 from this folder; it writes icon.svg."""

import math

from artwork import RED, fmt, write_svg

SIZE = 64
CX = CY = SIZE / 2
OUTER = 27.0
INNER = 13.0
RED_EDGE = "#7a0000"
COPPER = "#d08a2c"
COPPER_EDGE = "#6b3d0a"
WINDING_FROM, WINDING_TO = 0.0, 100.0  # degrees, clockwise from 3 o'clock
TURNS = 8
OVERHANG = 1.5  # how far the wire stands off the ring's faces

out = []


def polar(radius, degrees):
    a = math.radians(degrees)
    return CX + radius * math.cos(a), CY + radius * math.sin(a)


def annulus_sector(r_in, r_out, start, end):
    """The outline of the part of a ring between two angles, as a path."""
    large = 1 if end - start > 180 else 0
    x0, y0 = polar(r_out, start)
    x1, y1 = polar(r_out, end)
    x2, y2 = polar(r_in, end)
    x3, y3 = polar(r_in, start)
    return (
        f"M{fmt(x0)},{fmt(y0)} A{fmt(r_out)},{fmt(r_out)} 0 {large} 1 {fmt(x1)},{fmt(y1)} "
        f"L{fmt(x2)},{fmt(y2)} A{fmt(r_in)},{fmt(r_in)} 0 {large} 0 {fmt(x3)},{fmt(y3)} Z"
    )


# The ring: a filled annulus (even-odd) with a dark rim, so it holds on light and dark title bars.
ring = (
    f"M{fmt(CX + OUTER)},{fmt(CY)} A{fmt(OUTER)},{fmt(OUTER)} 0 1 1 {fmt(CX - OUTER)},{fmt(CY)} "
    f"A{fmt(OUTER)},{fmt(OUTER)} 0 1 1 {fmt(CX + OUTER)},{fmt(CY)} Z "
    f"M{fmt(CX + INNER)},{fmt(CY)} A{fmt(INNER)},{fmt(INNER)} 0 1 0 {fmt(CX - INNER)},{fmt(CY)} "
    f"A{fmt(INNER)},{fmt(INNER)} 0 1 0 {fmt(CX + INNER)},{fmt(CY)} Z"
)
out.append(f'<path d="{ring}" fill="{RED}" fill-rule="evenodd" stroke="{RED_EDGE}" stroke-width="2"/>')
# A soft highlight on the upper left of the ring's face.
out.append(
    f'<path d="{annulus_sector(INNER + 4, OUTER - 4, 190, 260)}" fill="#ffffff" fill-opacity="0.28" stroke="none"/>'
)

# The winding: each turn a round-ended copper bar across the ring with a dark
# edge, spaced so that the red of the ring shows between neighbours.
step = (WINDING_TO - WINDING_FROM) / TURNS
for k in range(TURNS):
    angle = WINDING_FROM + (k + 0.5) * step
    x0, y0 = polar(INNER - OVERHANG, angle)
    x1, y1 = polar(OUTER + OVERHANG, angle)
    for colour, width in ((COPPER_EDGE, 5.0), (COPPER, 3.2)):
        out.append(
            f'<line x1="{fmt(x0)}" y1="{fmt(y0)}" x2="{fmt(x1)}" y2="{fmt(y1)}" stroke="{colour}" '
            f'stroke-width="{width}" stroke-linecap="round"/>'
        )

write_svg("icon.svg", SIZE, SIZE, "ferricalc", out)
