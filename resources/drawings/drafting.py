"""Drafting helpers for ferricalc's dimension drawings.

Every drawing of the program is written by a small script that uses these
helpers, so that all of them share one hand: the same line weights, the same
dimension lines and arrowheads, the same hatching and the same lettering.
The scripts write plain SVG that Qt's SVG renderer draws (no markers, patterns
or clip paths: arrowheads and hatch lines are real geometry).

House style
- Outlines: black, 1.3 px. Hidden edges: black 0.8 px, dashed 3/2.
- Axes and centre lines: red (#c00000) 0.7 px, dash-dot.
- Sections: hatched at 45 degrees, grey (#606060) 0.5 px lines 4 px apart.
- Dimension and extension lines: blue (#1f4e9a) 0.7 px; filled arrowheads
  6 px long and 4 px wide; extension lines start 2 px off the part and run
  3 px past the dimension line.
- Letters: upright DejaVu Sans 11 px in the dimension blue, beside the middle of
  their dimension line (or at the end of a leader for radii and angles).

Run a drawing's script with python3 from this folder; it writes <name>.svg.
"""

from __future__ import annotations

import math
from dataclasses import dataclass, field

OUTLINE = "#000000"
OUTLINE_WIDTH = 1.3
HIDDEN_WIDTH = 0.8
AXIS = "#c00000"
AXIS_WIDTH = 0.7
AXIS_DASH = "9 2 2 2"
HATCH = "#606060"
HATCH_WIDTH = 0.5
HATCH_SPACING = 4.0
DIM = "#1f4e9a"
DIM_WIDTH = 0.7
ARROW_LENGTH = 6.0
ARROW_HALF_WIDTH = 2.0
EXTENSION_GAP = 2.0
EXTENSION_OVERRUN = 3.0
FONT = "DejaVu Sans"
FONT_SIZE = 11
LETTER_GAP = 4.0  # between a dimension line and its letter


def _fmt(value: float) -> str:
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def _points(points) -> str:
    return " ".join(f"{_fmt(x)},{_fmt(y)}" for x, y in points)


def _unit(dx: float, dy: float):
    length = math.hypot(dx, dy)
    return dx / length, dy / length


def rounded_polygon(points, radius, corners=None, steps=6):
    """The points of a convex polygon whose corners (all, or the indexes in
    `corners`) are rounded with `radius`, as a polygon fine enough to draw."""
    n = len(points)
    out = []
    for i, (px, py) in enumerate(points):
        if radius <= 0 or (corners is not None and i not in corners):
            out.append((px, py))
            continue
        ax, ay = points[i - 1]
        bx, by = points[(i + 1) % n]
        u = _unit(ax - px, ay - py)
        v = _unit(bx - px, by - py)
        half = math.acos(max(-1.0, min(1.0, u[0] * v[0] + u[1] * v[1]))) / 2
        d = radius / math.tan(half)  # from the corner to each tangent point
        bis = _unit(u[0] + v[0], u[1] + v[1])
        centre = (px + bis[0] * radius / math.sin(half), py + bis[1] * radius / math.sin(half))
        t1 = (px + u[0] * d, py + u[1] * d)
        t2 = (px + v[0] * d, py + v[1] * d)
        a1 = math.atan2(t1[1] - centre[1], t1[0] - centre[0])
        a2 = math.atan2(t2[1] - centre[1], t2[0] - centre[0])
        delta = (a2 - a1 + math.pi) % (2 * math.pi) - math.pi
        for k in range(steps + 1):
            t = a1 + delta * k / steps
            out.append((centre[0] + radius * math.cos(t), centre[1] + radius * math.sin(t)))
    return out


@dataclass
class Drawing:
    width: int
    height: int
    title: str
    _body: list = field(default_factory=list)

    # ---- plain geometry -------------------------------------------------
    def line(self, p1, p2, stroke=OUTLINE, width=OUTLINE_WIDTH, dash=None):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<line x1="{_fmt(p1[0])}" y1="{_fmt(p1[1])}" x2="{_fmt(p2[0])}" y2="{_fmt(p2[1])}" '
            f'stroke="{stroke}" stroke-width="{width}"{dash_attr} stroke-linecap="round"/>'
        )

    def polyline(self, points, stroke=OUTLINE, width=OUTLINE_WIDTH, dash=None, closed=False):
        tag = "polygon" if closed else "polyline"
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<{tag} points="{_points(points)}" fill="none" stroke="{stroke}" stroke-width="{width}"'
            f'{dash_attr} stroke-linejoin="round" stroke-linecap="round"/>'
        )

    def outline(self, points, closed=True):
        """A visible edge through the points."""
        self.polyline(points, closed=closed)

    def hidden(self, points, closed=False):
        """An edge behind the surface, dashed."""
        self.polyline(points, width=HIDDEN_WIDTH, dash="3 2", closed=closed)

    def path(self, d, stroke=OUTLINE, width=OUTLINE_WIDTH, fill="none", dash=None):
        """Raw SVG path data, for arcs and rounded outlines."""
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}"{dash_attr} '
            f'stroke-linejoin="round" stroke-linecap="round"/>'
        )

    def circle(self, cx, cy, r, stroke=OUTLINE, width=OUTLINE_WIDTH, dash=None, fill="none"):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<circle cx="{_fmt(cx)}" cy="{_fmt(cy)}" r="{_fmt(r)}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{width}"{dash_attr}/>'
        )

    def hidden_circle(self, cx, cy, r):
        self.circle(cx, cy, r, width=HIDDEN_WIDTH, dash="3 2")

    def axis(self, p1, p2):
        """A centre line or axis of symmetry, red dash-dot."""
        self.line(p1, p2, stroke=AXIS, width=AXIS_WIDTH, dash=AXIS_DASH)

    def centre_cross(self, cx, cy, r, overrun=5.0):
        """The two centre lines of a circle of radius r."""
        self.axis((cx - r - overrun, cy), (cx + r + overrun, cy))
        self.axis((cx, cy - r - overrun), (cx, cy + r + overrun))

    # ---- hatching -------------------------------------------------------
    def _hatch_segments(self, intervals_for_line, xmin, ymin, xmax, ymax):
        """Hatch lines at 45 degrees (rising to the right) over a bounding box.

        intervals_for_line(c) returns the parameter intervals (in x) where the
        line y = -x + c lies inside the region.
        """
        start = xmin + ymin
        end = xmax + ymax
        c = math.floor(start / HATCH_SPACING) * HATCH_SPACING
        while c <= end:
            for x1, x2 in intervals_for_line(c):
                if x2 - x1 > 0.3:
                    self.line((x1, c - x1), (x2, c - x2), stroke=HATCH, width=HATCH_WIDTH)
            c += HATCH_SPACING

    def hatch_polygon(self, points):
        """Hatches a convex polygon (give concave sections as several convex pieces)."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def intervals(c):
            # Clip the line x -> (x, c - x) against each edge's half-plane.
            lo, hi = min(xs) - 1, max(xs) + 1
            n = len(points)
            area = sum(points[i][0] * points[(i + 1) % n][1] - points[(i + 1) % n][0] * points[i][1] for i in range(n))
            orientation = 1 if area > 0 else -1
            for i in range(n):
                ax, ay = points[i]
                bx, by = points[(i + 1) % n]
                # inside: orientation * cross(b - a, p - a) >= 0, p = (x, c - x)
                ex, ey = bx - ax, by - ay
                # cross = ex*(py - ay) - ey*(px - ax) = ex*(c - x - ay) - ey*(x - ax)
                k = -ex - ey  # coefficient of x
                m = ex * (c - ay) + ey * ax  # constant
                k *= orientation
                m *= orientation
                if abs(k) < 1e-12:
                    if m < 0:
                        return []
                    continue
                bound = -m / k
                if k > 0:
                    lo = max(lo, bound)
                else:
                    hi = min(hi, bound)
            return [(lo, hi)] if hi > lo else []

        self._hatch_segments(intervals, min(xs), min(ys), max(xs), max(ys))

    def section(self, points):
        """A cut face: hatched, then outlined (convex outlines only)."""
        self.hatch_polygon(points)
        self.outline(points)

    def hatch_rect(self, x, y, w, h):
        self.hatch_polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)])

    def hatch_circle(self, cx, cy, r, inner=0.0):
        """Hatches a disc, or a ring when inner > 0."""

        def chord(c, radius):
            # (x - cx)² + (c - x - cy)² = radius²  ->  2x² + bx + e = 0
            d = c - cy
            b = -2 * cx - 2 * d
            e = cx * cx + d * d - radius * radius
            disc = b * b - 8 * e
            if disc <= 0:
                return None
            root = math.sqrt(disc)
            return (-b - root) / 4, (-b + root) / 4

        def intervals(c):
            outer = chord(c, r)
            if outer is None:
                return []
            hole = chord(c, inner) if inner > 0 else None
            if hole is None:
                return [outer]
            return [(outer[0], hole[0]), (hole[1], outer[1])]

        self._hatch_segments(intervals, cx - r, cy - r, cx + r, cy + r)

    # ---- dimensions -----------------------------------------------------
    def arrowhead(self, tip, direction):
        """A filled arrowhead whose tip is at `tip`, pointing along `direction`."""
        ux, uy = _unit(*direction)
        bx, by = tip[0] - ux * ARROW_LENGTH, tip[1] - uy * ARROW_LENGTH
        nx, ny = -uy * ARROW_HALF_WIDTH, ux * ARROW_HALF_WIDTH
        self._body.append(
            f'<polygon points="{_points([tip, (bx + nx, by + ny), (bx - nx, by - ny)])}" fill="{DIM}" stroke="none"/>'
        )

    def letter(self, x, y, text, anchor="middle"):
        """A dimension letter whose visual centre is at (x, y) (anchor start/middle/end)."""
        self._body.append(
            f'<text x="{_fmt(x)}" y="{_fmt(y + FONT_SIZE * 0.36)}" font-family="{FONT}" font-size="{FONT_SIZE}" '
            f'fill="{DIM}" text-anchor="{anchor}">{text}</text>'
        )

    def dimension(self, p1, p2, offset, text, letter_side=1, letter_at=0.5, arrows="auto"):
        """A linear dimension between the part's points p1 and p2.

        The dimension line runs parallel to p1-p2 at `offset` (positive: to the
        left of the direction p1 -> p2 in screen coordinates, i.e. rotated
        -90 degrees), with extension lines from the part. The letter sits at
        `letter_at` along the line, on the side `letter_side` (+1 away from the
        part, -1 towards it). Short dimensions get their arrows outside.
        """
        ux, uy = _unit(p2[0] - p1[0], p2[1] - p1[1])
        nx, ny = uy, -ux  # left of the direction in screen coordinates
        sign = 1 if offset >= 0 else -1
        a = (p1[0] + nx * offset, p1[1] + ny * offset)
        b = (p2[0] + nx * offset, p2[1] + ny * offset)
        for p, q in ((p1, a), (p2, b)):
            start = (p[0] + nx * EXTENSION_GAP * sign, p[1] + ny * EXTENSION_GAP * sign)
            end = (q[0] + nx * EXTENSION_OVERRUN * sign, q[1] + ny * EXTENSION_OVERRUN * sign)
            if abs(offset) > EXTENSION_GAP:
                self.line(start, end, stroke=DIM, width=DIM_WIDTH * 0.8)
        self.dimension_line(a, b, arrows)
        side = sign * letter_side
        mx = a[0] + (b[0] - a[0]) * letter_at
        my = a[1] + (b[1] - a[1]) * letter_at
        # letters beside a vertical line need more room than above a horizontal one
        gap = LETTER_GAP + (FONT_SIZE * 0.45 if abs(ux) < 0.5 else FONT_SIZE * 0.36)
        self.letter(mx + nx * gap * side, my + ny * gap * side, text)

    def dimension_line(self, a, b, arrows="auto"):
        """A dimension line from a to b with arrowheads at both ends."""
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        ux, uy = _unit(b[0] - a[0], b[1] - a[1])
        if arrows == "auto":
            arrows = "outside" if length < 2 * ARROW_LENGTH + 4 else "inside"
        if arrows == "inside":
            self.line(a, b, stroke=DIM, width=DIM_WIDTH)
            self.arrowhead(a, (-ux, -uy))
            self.arrowhead(b, (ux, uy))
        else:
            tail = ARROW_LENGTH + 5
            self.line((a[0] - ux * tail, a[1] - uy * tail), (b[0] + ux * tail, b[1] + uy * tail), stroke=DIM, width=DIM_WIDTH)
            self.arrowhead(a, (ux, uy))
            self.arrowhead(b, (-ux, -uy))

    def leader(self, tip, elbow, text, end_length=10, letter_anchor=None):
        """A leader with an arrowhead at `tip`, a bend at `elbow` and a short
        horizontal run to the letter (used for radii and notes)."""
        direction = 1 if elbow[0] >= tip[0] else -1
        end = (elbow[0] + direction * end_length, elbow[1])
        self.line(elbow, tip, stroke=DIM, width=DIM_WIDTH)
        self.line(elbow, end, stroke=DIM, width=DIM_WIDTH)
        self.arrowhead(tip, (tip[0] - elbow[0], tip[1] - elbow[1]))
        anchor = letter_anchor or ("start" if direction > 0 else "end")
        self.letter(end[0] + direction * 2, end[1] - 0.5, text, anchor=anchor)

    def radius(self, cx, cy, r, angle_deg, text, length=14):
        """A radius: a leader through the arc's centre direction, arrow on the arc."""
        t = math.radians(angle_deg)
        tip = (cx + r * math.cos(t), cy - r * math.sin(t))
        elbow = (cx + (r + length) * math.cos(t), cy - (r + length) * math.sin(t))
        self.leader(tip, elbow, text)

    def angle(self, vertex, from_deg, to_deg, r, text, text_r=None):
        """An angle between two directions from `vertex` (degrees, counter-clockwise
        from +x, screen y up), shown as an arc with its letter; the arc carries
        arrowheads where it is long enough for them."""
        a0, a1 = math.radians(from_deg), math.radians(to_deg)
        steps = max(6, int(abs(to_deg - from_deg) / 3))
        pts = []
        for i in range(steps + 1):
            t = a0 + (a1 - a0) * i / steps
            pts.append((vertex[0] + r * math.cos(t), vertex[1] - r * math.sin(t)))
        self.polyline(pts, stroke=DIM, width=DIM_WIDTH)
        mid = (a0 + a1) / 2
        tr = text_r if text_r is not None else r + 8
        self.letter(vertex[0] + tr * math.cos(mid), vertex[1] - tr * math.sin(mid), text)
        if abs(a1 - a0) * r < 2 * ARROW_LENGTH + 4:
            return
        sweep = 1 if a1 > a0 else -1
        # tangents at the ends, pointing outwards along the arc
        self.arrowhead(pts[0], (math.sin(a0) * sweep, math.cos(a0) * sweep))
        self.arrowhead(pts[-1], (-math.sin(a1) * sweep, -math.cos(a1) * sweep))

    # ---- output ---------------------------------------------------------
    def svg(self) -> str:
        body = "\n  ".join(self._body)
        return (
            f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
            f"  <title>{self.title}</title>\n"
            f'  <rect width="{self.width}" height="{self.height}" fill="#ffffff"/>\n'
            f"  {body}\n</svg>\n"
        )

    def save(self, path: str):
        with open(path, "w", encoding="utf-8") as out:
            out.write(self.svg())
