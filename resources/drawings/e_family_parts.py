"""Views shared by the E-shaped cores' drawings: the E seen from the front and
the cut across its three legs, dimensioned alike in every E drawing.

Coordinates are drawing pixels with y downwards; `yc` is the height of the
core's centre line. A core's sizes are given in pixels already scaled.
"""

from __future__ import annotations

from dataclasses import dataclass

from drafting import DIM_OFFSET, DIM_STEP, Drawing, rounded


@dataclass
class EOutline:
    """Where the edges of an E seen from the front lie."""

    points: list  # the outline's corners, from the back's outer face at the top along the upper leg
    back_outer: float  # x of the back's outer face
    back_inner: float  # x of the back's inner face (the window floor)
    leg_ends: float  # x of the ends of the legs
    yc: float
    half_a: float  # centre line to the outer faces of the outer legs
    half_b: float  # centre line to the inner faces of the outer legs
    half_c: float  # centre line to the faces of the centre leg

    # Corner indexes of `points`: the back's outer corners, and in the upper
    # window the corner at the outer leg and the one at the centre leg.
    BACK_TOP, BACK_BOTTOM, UPPER_WINDOW_AT_LEG, UPPER_WINDOW_AT_CENTRE = 0, 11, 3, 4

    @property
    def top(self):
        return self.yc - self.half_a

    @property
    def bottom(self):
        return self.yc + self.half_a


def e_front(d: Drawing, back_outer: float, yc: float, direction: int, back: float, height: float,
            half_a: float, half_b: float, half_c: float, back_corner_r: float = 0.0,
            leg_window_r: float = 0.0, centre_window_r: float = 0.0, axis: bool = True) -> EOutline:
    """Draws an E from the front, its back at `back_outer`, its legs running in
    `direction` (+1 to the right, -1 to the left) to `height` from the back's
    outer face, with the centre line as its axis (unless a view drawn with it
    carries the axis on). The back's outer corners and the window corners can
    be rounded."""
    inner = back_outer + direction * back
    ends = back_outer + direction * height
    points = [
        (back_outer, yc - half_a), (ends, yc - half_a), (ends, yc - half_b), (inner, yc - half_b),
        (inner, yc - half_c), (ends, yc - half_c), (ends, yc + half_c), (inner, yc + half_c),
        (inner, yc + half_b), (ends, yc + half_b), (ends, yc + half_a), (back_outer, yc + half_a),
    ]
    radii = {0: back_corner_r, 11: back_corner_r, 3: leg_window_r, 8: leg_window_r, 4: centre_window_r,
             7: centre_window_r}
    d.outline(rounded(points, radii))
    if axis:
        d.axis_through((min(back_outer, ends), yc), (max(back_outer, ends), yc))
    return EOutline(points, back_outer, inner, ends, yc, half_a, half_b, half_c)


def e_offset(front: EOutline, half_b: float) -> float:
    """Where E's line stands above the lower outer leg's inner face: DIM_OFFSET,
    or less in a window too low for the line and its letter above it."""
    window = half_b - front.half_c
    return min(DIM_OFFSET, window - 14)


def front_dimensions(d: Drawing, front: EOutline, window_b: float | None = None, with_b: bool = True):
    """F over the top from the back's outer face to the leg ends, E inside the
    lower window from its floor to the leg ends, and beyond the leg ends C
    across the centre leg and B across the windows (at `window_b` from the
    centre line where the legs' inner faces are not at half_b)."""
    half_b = front.half_b if window_b is None else window_b
    d.dimension((front.back_outer, front.top), (front.leg_ends, front.top), DIM_OFFSET, "F")
    d.dimension((front.back_inner, front.yc + half_b), (front.leg_ends, front.yc + half_b),
                e_offset(front, half_b), "E")
    d.dimension((front.leg_ends, front.yc - front.half_c), (front.leg_ends, front.yc + front.half_c),
                DIM_OFFSET, "C")
    if with_b:
        d.dimension((front.leg_ends, front.yc - half_b), (front.leg_ends, front.yc + half_b),
                    DIM_OFFSET + DIM_STEP, "B")


def leg_cuts(d: Drawing, left: float, depth: float, yc: float, half_a: float, half_b: float, half_c: float,
             outer_r: float = 0.0, window_r: float = 0.0, round_centre: bool = False):
    """The cut across the three legs, the depth running to the right from `left`:
    two outer legs and the centre leg (a disc when `round_centre`), hatched, with
    both centre lines, A beside it on the left and D below. Returns the outline
    of the upper outer leg (clockwise from its top left corner)."""
    right = left + depth
    upper = [(left, yc - half_a), (right, yc - half_a), (right, yc - half_b), (left, yc - half_b)]
    lower = [(left, yc + half_b), (right, yc + half_b), (right, yc + half_a), (left, yc + half_a)]
    # Rw rounds the edges on the outer faces, Rn those on the window faces.
    d.section(rounded(upper, {0: outer_r, 1: outer_r, 2: window_r, 3: window_r}))
    d.section(rounded(lower, {0: window_r, 1: window_r, 2: outer_r, 3: outer_r}))
    if round_centre:
        d.section_disc(left + depth / 2, yc, half_c)
    else:
        centre = [(left, yc - half_c), (right, yc - half_c), (right, yc + half_c), (left, yc + half_c)]
        d.section(rounded(centre, window_r))
    d.axis_through((left, yc), (right, yc))
    d.axis_through((left + depth / 2, yc - half_a), (left + depth / 2, yc + half_a))
    d.dimension((left, yc + half_a), (left, yc - half_a), DIM_OFFSET, "A")
    d.dimension((left, yc + half_a), (right, yc + half_a), -DIM_OFFSET, "D")
    return upper
