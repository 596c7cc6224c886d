"""Views shared by the U-shaped cores' drawings: a U seen from the side with its
limbs lying horizontally, and its usual dimensions.

Coordinates are drawing pixels with y downwards. A core's sizes are given in
pixels already scaled.
"""

from __future__ import annotations

import math
from dataclasses import dataclass

from drafting import HATCH, HATCH_SPACING, HATCH_WIDTH, Drawing


@dataclass
class USide:
    """Where the edges of a U seen from the side lie."""

    back_outer: float  # x of the back's outer face
    back_inner: float  # x of the back's inner face (the window floor)
    limb_ends: float  # x of the limbs' end faces
    top: float  # y of the upper limb's outer face
    upper_inner: float  # y of the upper limb's inner face
    lower_inner: float  # y of the lower limb's inner face
    bottom: float  # y of the lower limb's outer face


def u_side(d: Drawing, back_outer: float, top: float, direction: int, length: float, back: float,
           upper: float, window: float, lower: float) -> USide:
    """Draws a U from the side: its back's outer face at `back_outer`, its limbs
    running in `direction` (+1 to the right, -1 to the left) to `length` from
    there; the back is `back` thick, the upper limb `upper`, the window `window`
    high and the lower limb `lower`."""
    inner = back_outer + direction * back
    ends = back_outer + direction * length
    upper_inner = top + upper
    lower_inner = upper_inner + window
    bottom = lower_inner + lower
    d.outline([
        (back_outer, top),
        (ends, top),
        (ends, upper_inner),
        (inner, upper_inner),
        (inner, lower_inner),
        (ends, lower_inner),
        (ends, bottom),
        (back_outer, bottom),
    ])
    return USide(back_outer, inner, ends, top, upper_inner, lower_inner, bottom)


def side_dimensions(d: Drawing, u: USide, overall_side: int, mouth_offset: float = 12, mouth_letter_side: int = 1):
    """A, B, E and F on a side view: F over the top, E inside the window over
    the lower limb, B across the window's mouth `mouth_offset` beyond the limb
    ends (its letter inside the window when `mouth_letter_side` is -1), and A
    across both limbs on the side `overall_side` (-1 beside the back, +1 beyond
    the limb ends, outside B)."""
    direction = 1 if u.limb_ends > u.back_outer else -1
    # Each p1 -> p2 runs so that a positive offset lies outside the part.
    if direction > 0:
        d.dimension((u.back_outer, u.top), (u.limb_ends, u.top), 15, "F")
        d.dimension((u.limb_ends, u.upper_inner), (u.limb_ends, u.lower_inner), mouth_offset, "B",
                    letter_side=mouth_letter_side)
        d.dimension((u.back_inner, u.lower_inner), (u.limb_ends, u.lower_inner), 12, "E")
    else:
        d.dimension((u.limb_ends, u.top), (u.back_outer, u.top), 15, "F")
        d.dimension((u.limb_ends, u.lower_inner), (u.limb_ends, u.upper_inner), mouth_offset, "B",
                    letter_side=mouth_letter_side)
        d.dimension((u.limb_ends, u.lower_inner), (u.back_inner, u.lower_inner), 12, "E")

    x = u.back_outer if overall_side < 0 else u.limb_ends
    # A line running down has its positive side to the right.
    going_down = (overall_side > 0) == (direction > 0)
    p1, p2 = ((x, u.top), (x, u.bottom)) if going_down else ((x, u.bottom), (x, u.top))
    d.dimension(p1, p2, 14 if overall_side < 0 else 30, "A")


def hatch_region(d: Drawing, points):
    """Hatches any simple polygon, concave ones included (a section with a groove
    cut into it), with the house hatching: 45 degree lines rising to the right,
    HATCH_SPACING apart on the same grid as Drawing's own hatching."""
    n = len(points)
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    c = math.floor((min(xs) + min(ys)) / HATCH_SPACING) * HATCH_SPACING
    while c <= max(xs) + max(ys):
        # Where the line y = c − x crosses the outline, as x values.
        crossings = []
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            fa, fb = ax + ay - c, bx + by - c
            if (fa < 0) != (fb < 0):
                t = fa / (fa - fb)
                crossings.append(ax + (bx - ax) * t)
        crossings.sort()
        for x1, x2 in zip(crossings[0::2], crossings[1::2]):
            if x2 - x1 > 0.3:
                d.line((x1, c - x1), (x2, c - x2), stroke=HATCH, width=HATCH_WIDTH)
        c += HATCH_SPACING


def cut_section(d: Drawing, points):
    """A cut face of any simple outline: hatched, then outlined."""
    hatch_region(d, points)
    d.outline(points)


def arc_points(cx: float, cy: float, r: float, from_deg: float, to_deg: float, steps: int = 24):
    """Points along an arc, angles in degrees counter-clockwise from +x with y up
    on the page (as Drawing.angle takes them)."""
    out = []
    for k in range(steps + 1):
        t = math.radians(from_deg + (to_deg - from_deg) * k / steps)
        out.append((cx + r * math.cos(t), cy - r * math.sin(t)))
    return out


def groove_radius(d: Drawing, cx: float, cy: float, r: float, angle_deg: float, text: str, length: float = 14):
    """The radius of a groove (a concave arc centred at cx, cy): the arrow meets
    the arc at angle_deg (counter-clockwise from +x, y up on the page) and the
    leader comes in through the groove's centre from the opposite side."""
    t = math.radians(angle_deg)
    tip = (cx + r * math.cos(t), cy - r * math.sin(t))
    elbow = (cx - length * math.cos(t), cy + length * math.sin(t))
    d.leader(tip, elbow, text, end_length=4)
