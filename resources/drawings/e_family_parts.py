"""Views shared by the E-shaped cores' drawings: the E seen from the front, and
the cut across its three legs.

Coordinates are drawing pixels with y downwards; `yc` is the height of the
core's centre line. A core's sizes are given in pixels already scaled.
"""

from __future__ import annotations

from dataclasses import dataclass

from drafting import Drawing, rounded_polygon


@dataclass
class EOutline:
    """Where the edges of an E seen from the front lie."""

    back_outer: float  # x of the back's outer face
    back_inner: float  # x of the back's inner face (the window floor)
    leg_ends: float  # x of the ends of the legs
    yc: float
    half_a: float  # centre line to the outer faces of the outer legs
    half_b: float  # centre line to the inner faces of the outer legs
    half_c: float  # centre line to the faces of the centre leg


def e_front(
    d: Drawing,
    back_outer: float,
    yc: float,
    direction: int,
    back: float,
    height: float,
    half_a: float,
    half_b: float,
    half_c: float,
    back_corner_r: float = 0.0,
    leg_window_r: float = 0.0,
    centre_window_r: float = 0.0,
) -> EOutline:
    """Draws an E from the front, its back at `back_outer`, its legs running in
    `direction` (+1 to the right, -1 to the left) to `height` from the back's
    outer face. The back's outer corners and the window corners can be rounded."""
    inner = back_outer + direction * back
    ends = back_outer + direction * height
    # Walk round the outline from the back's outer face at the top.
    points = [
        (back_outer, yc - half_a),
        (ends, yc - half_a),
        (ends, yc - half_b),
        (inner, yc - half_b),
        (inner, yc - half_c),
        (ends, yc - half_c),
        (ends, yc + half_c),
        (inner, yc + half_c),
        (inner, yc + half_b),
        (ends, yc + half_b),
        (ends, yc + half_a),
        (back_outer, yc + half_a),
    ]
    radii = {0: back_corner_r, 11: back_corner_r, 3: leg_window_r, 8: leg_window_r, 4: centre_window_r, 7: centre_window_r}
    outline = _round_each(points, radii)
    d.outline(outline)
    return EOutline(back_outer, inner, ends, yc, half_a, half_b, half_c)


def corner_arc_point(corner, towards, r):
    """The middle of a rounded corner's arc: the corner moved along the bisector
    `towards` (a pair of +1/-1, pointing into the material) by r·(1 − 1/√2)."""
    k = r * (1 - 0.5 ** 0.5)
    return corner[0] + towards[0] * k, corner[1] + towards[1] * k


def leg_cuts(d: Drawing, left: float, depth: float, yc: float, half_a: float, half_b: float, half_c: float,
             outer_r: float = 0.0, window_r: float = 0.0, round_centre: bool = False):
    """The cut across the three legs, the depth running to the right from `left`:
    two outer legs and the centre leg (a disc when `round_centre`), hatched.
    Returns the outline points of the upper outer leg (clockwise from top left)."""
    right = left + depth
    upper = [(left, yc - half_a), (right, yc - half_a), (right, yc - half_b), (left, yc - half_b)]
    lower = [(left, yc + half_b), (right, yc + half_b), (right, yc + half_a), (left, yc + half_a)]
    # Rw rounds the edges on the outer faces, Rn those on the window faces.
    upper_round = _round_each(upper, {0: outer_r, 1: outer_r, 2: window_r, 3: window_r})
    lower_round = _round_each(lower, {0: window_r, 1: window_r, 2: outer_r, 3: outer_r})
    d.section(upper_round)
    d.section(lower_round)
    if round_centre:
        cx = left + depth / 2
        d.hatch_circle(cx, yc, half_c)
        d.circle(cx, yc, half_c)
    else:
        centre = [(left, yc - half_c), (right, yc - half_c), (right, yc + half_c), (left, yc + half_c)]
        d.section(_round_each(centre, {i: window_r for i in range(4)}))
    return upper


def _round_each(points, radii):
    """The polygon with each corner i rounded by radii[i] (sharp where absent)."""
    out = []
    for i, point in enumerate(points):
        r = radii.get(i, 0.0)
        if r <= 0:
            out.append(point)
            continue
        out.extend(rounded_polygon([points[i - 1], point, points[(i + 1) % len(points)]], r, corners={1})[1:-1])
    return out
