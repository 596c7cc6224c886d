"""Drafting helpers for ferricalc's dimension drawings.

Every drawing of the program is written by a small script over these helpers,
so that all twelve share one hand: the same line weights, the same dimension
lines and arrowheads, the same hatching and the same lettering. The scripts
write plain SVG that Qt's SVG renderer draws (no markers, patterns or clip
paths: arrowheads and hatch lines are real geometry).

House style
- Outlines: black, 1.3 px. Hidden edges: black 0.8 px, dashed 3/2. Material
  cut away (a flat on a round leg): black 0.8 px, dash-dot 6/2/1/2.
- Axes and centre lines: red (#c00000) 0.7 px, dash-dot 9/2/2/2, running 6 px
  past the part.
- Sections: hatched at 45 degrees, grey (#606060) 0.5 px lines 4 px apart, on
  one grid for the whole picture.
- Dimension lines: blue (#1f4e9a) 0.7 px with filled arrowheads 6 px long and
  4 px wide whose tips touch the extension lines. Extension and reference lines:
  blue 0.6 px, starting 2 px off the part and running 3 px past the dimension
  line. The first dimension line stands 12 px off the part, each further one
  16 px beyond the last. Dimensions shorter than 16 px carry their arrows outside.
- Radii: a leader along the arc's normal, arrowhead on the arc, then an 8 px
  horizontal run to the letter.
- Letters: upright DejaVu Sans 11 px in the dimension blue, 4 px beside the
  middle of their dimension line, on the side away from the part.

Before it writes, a drawing checks itself: every mark must lie inside the part
of the picture that its window shows, and no letter may touch a line or another
letter. A script that breaks either rule stops with the list of offences.

Run a drawing's script with python3 from this folder; it writes <name>.svg.
"""

from __future__ import annotations

import math
from dataclasses import dataclass, field

# The program's two colours, shared with the selector, the credits and the icon:
# the red of the logo and the axes, the blue of every dimension.
RED = "#c00000"
BLUE = "#1f4e9a"

OUTLINE = "#000000"
OUTLINE_WIDTH = 1.3
HIDDEN_WIDTH = 0.8
HIDDEN_DASH = "3 2"
PHANTOM_DASH = "6 2 1 2"
AXIS = RED
AXIS_WIDTH = 0.7
AXIS_DASH = "9 2 2 2"
AXIS_OVERRUN = 6.0
HATCH = "#606060"
HATCH_WIDTH = 0.5
HATCH_SPACING = 4.0
DIM = BLUE
DIM_WIDTH = 0.7
EXTENSION_WIDTH = 0.6
ARROW_LENGTH = 6.0
ARROW_HALF_WIDTH = 2.0
EXTENSION_GAP = 2.0
EXTENSION_OVERRUN = 3.0
DIM_OFFSET = 12.0  # the first dimension line off the part
DIM_STEP = 16.0  # between stacked dimension lines
LEADER_RUN = 8.0
FONT = "DejaVu Sans"  # Latin lettering everywhere in the artwork
KAI = "AR PL UKai CN"  # Chinese text in the artwork, as the windows' Kai captions
FONT_SIZE = 11
LETTER_GAP = 4.0  # between a dimension line and its letter

# Advance widths of DejaVu Sans in 1/2048 em, for the characters the drawings
# letter with, and the height of their ink above the baseline in em.
_ADVANCE = {
    "A": 1401, "B": 1405, "C": 1430, "D": 1577, "E": 1294, "F": 1178, "G": 1587, "H": 1540, "I": 604,
    "P": 1235, "R": 1423, "X": 1403, "Y": 1251, "Z": 1403, "a": 1255, "b": 1300, "d": 1300, "h": 1298,
    "n": 1298, "r": 842, "w": 1675, "0": 1303, "1": 1303, "2": 1303, "3": 1303,
}
_CAP_HEIGHT = 0.729
_ASCENDER = 0.76  # b, d, h
_X_HEIGHT = 0.547
_SIDE_BEARING = 0.06  # em of blank on each side of a glyph's advance, roughly


def _fmt(value: float) -> str:
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def _points(points) -> str:
    return " ".join(f"{_fmt(x)},{_fmt(y)}" for x, y in points)


def _unit(dx: float, dy: float):
    length = math.hypot(dx, dy)
    return dx / length, dy / length


def letter_size(text: str):
    """Width and height of a letter's ink in px."""
    width = sum(_ADVANCE[c] for c in text) / 2048 * FONT_SIZE - 2 * _SIDE_BEARING * FONT_SIZE
    if any(c in "bdh" for c in text):
        height = _ASCENDER
    elif any(c.isupper() or c.isdigit() for c in text):
        height = _CAP_HEIGHT
    else:
        height = _X_HEIGHT
    return width, height * FONT_SIZE


# ---- geometry ---------------------------------------------------------------
def arc_points(cx: float, cy: float, r: float, from_deg: float, to_deg: float, steps: int | None = None):
    """Points along an arc, angles in degrees counter-clockwise from +x with y up
    on the page (as Drawing.angle takes them)."""
    if steps is None:
        steps = max(4, int(abs(to_deg - from_deg) / 5))
    out = []
    for k in range(steps + 1):
        t = math.radians(from_deg + (to_deg - from_deg) * k / steps)
        out.append((cx + r * math.cos(t), cy - r * math.sin(t)))
    return out


def _corner(points, i, radius):
    """Tangent points, centre and half angle of corner i rounded with radius."""
    px, py = points[i]
    ax, ay = points[i - 1]
    bx, by = points[(i + 1) % len(points)]
    u = _unit(ax - px, ay - py)
    v = _unit(bx - px, by - py)
    half = math.acos(max(-1.0, min(1.0, u[0] * v[0] + u[1] * v[1]))) / 2
    d = radius / math.tan(half)  # from the corner to each tangent point
    bis = _unit(u[0] + v[0], u[1] + v[1])
    centre = (px + bis[0] * radius / math.sin(half), py + bis[1] * radius / math.sin(half))
    return (px + u[0] * d, py + u[1] * d), (px + v[0] * d, py + v[1] * d), centre, bis


def rounded(points, radii, steps=6):
    """The polygon with its corners rounded: `radii` is one radius for every
    corner or a {corner index: radius} map (corners not in it stay sharp)."""
    n = len(points)
    out = []
    for i in range(n):
        r = radii.get(i, 0.0) if isinstance(radii, dict) else radii
        if r <= 0:
            out.append(points[i])
            continue
        t1, t2, centre, _ = _corner(points, i, r)
        a1 = math.atan2(t1[1] - centre[1], t1[0] - centre[0])
        a2 = math.atan2(t2[1] - centre[1], t2[0] - centre[0])
        delta = (a2 - a1 + math.pi) % (2 * math.pi) - math.pi
        for k in range(steps + 1):
            t = a1 + delta * k / steps
            out.append((centre[0] + r * math.cos(t), centre[1] + r * math.sin(t)))
    return out


def corner_arc(points, i, radius):
    """The middle of the arc that rounds corner i of the polygon `points`, and
    the arc's outward normal there (pointing out of the corner)."""
    _, _, centre, bis = _corner(points, i, radius)
    mid = (centre[0] - bis[0] * radius, centre[1] - bis[1] * radius)
    return mid, (-bis[0], -bis[1])


def _segment_hits_box(p, q, box):
    """Whether the segment p-q passes through the box (x0, y0, x1, y1)."""
    x0, y0, x1, y1 = box
    t0, t1 = 0.0, 1.0
    dx, dy = q[0] - p[0], q[1] - p[1]
    for edge_p, edge_q in ((-dx, p[0] - x0), (dx, x1 - p[0]), (-dy, p[1] - y0), (dy, y1 - p[1])):
        if abs(edge_p) < 1e-12:
            if edge_q < 0:
                return False
            continue
        t = edge_q / edge_p
        if edge_p < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return False
    return True


@dataclass
class _Letter:
    text: str
    box: tuple


@dataclass
class Drawing:
    """One picture. `visible` is the part of it (left, top, right, bottom) that
    its window shows, where the picture box hides an edge of it."""

    width: int
    height: int
    title: str
    visible: tuple | None = None
    _body: list = field(default_factory=list)
    _strokes: list = field(default_factory=list)  # (kind, p, q)
    _letters: list = field(default_factory=list)

    # ---- plain geometry -------------------------------------------------
    def _stroke(self, kind, points, closed=False):
        pairs = list(zip(points, points[1:]))
        if closed and len(points) > 2:
            pairs.append((points[-1], points[0]))
        self._strokes.extend((kind, p, q) for p, q in pairs)

    def line(self, p1, p2, stroke=OUTLINE, width=OUTLINE_WIDTH, dash=None, kind="outline"):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<line x1="{_fmt(p1[0])}" y1="{_fmt(p1[1])}" x2="{_fmt(p2[0])}" y2="{_fmt(p2[1])}" '
            f'stroke="{stroke}" stroke-width="{width}"{dash_attr} stroke-linecap="round"/>'
        )
        self._stroke(kind, [p1, p2])

    def polyline(self, points, stroke=OUTLINE, width=OUTLINE_WIDTH, dash=None, closed=False, kind="outline"):
        tag = "polygon" if closed else "polyline"
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self._body.append(
            f'<{tag} points="{_points(points)}" fill="none" stroke="{stroke}" stroke-width="{width}"'
            f'{dash_attr} stroke-linejoin="round" stroke-linecap="round"/>'
        )
        self._stroke(kind, list(points), closed)

    def outline(self, points, closed=True):
        """A visible edge through the points."""
        self.polyline(points, closed=closed)

    def edge(self, p1, p2):
        """One visible straight edge."""
        self.line(p1, p2)

    def hidden(self, points, closed=False):
        """An edge behind the surface, dashed."""
        self.polyline(points, width=HIDDEN_WIDTH, dash=HIDDEN_DASH, closed=closed, kind="hidden")

    def phantom(self, points):
        """Where material has been cut away (the full circle of a flattened leg)."""
        self.polyline(points, width=HIDDEN_WIDTH, dash=PHANTOM_DASH, kind="hidden")

    def circle(self, cx, cy, r):
        """A visible circular edge."""
        self.polyline(arc_points(cx, cy, r, 0, 360, 72)[:-1], closed=True)

    def hidden_circle(self, cx, cy, r):
        self.polyline(arc_points(cx, cy, r, 0, 360, 72)[:-1], width=HIDDEN_WIDTH, dash=HIDDEN_DASH,
                      closed=True, kind="hidden")

    def axis(self, p1, p2):
        """A centre line or axis of symmetry, red dash-dot."""
        self.line(p1, p2, stroke=AXIS, width=AXIS_WIDTH, dash=AXIS_DASH, kind="axis")

    def axis_through(self, p1, p2):
        """An axis over the part's extent p1-p2, running AXIS_OVERRUN past both ends."""
        ux, uy = _unit(p2[0] - p1[0], p2[1] - p1[1])
        self.axis((p1[0] - ux * AXIS_OVERRUN, p1[1] - uy * AXIS_OVERRUN),
                  (p2[0] + ux * AXIS_OVERRUN, p2[1] + uy * AXIS_OVERRUN))

    def centre_cross(self, cx, cy, r):
        """The two centre lines of a circle of radius r."""
        self.axis_through((cx - r, cy), (cx + r, cy))
        self.axis_through((cx, cy - r), (cx, cy + r))

    def reference(self, p1, p2, dash=None):
        """A thin blue line that a dimension refers to: a face produced, a plane
        marked across an opening."""
        self.line(p1, p2, stroke=DIM, width=EXTENSION_WIDTH, dash=dash, kind="dimension")

    # ---- hatching -------------------------------------------------------
    def _hatch(self, crossings, xmin, ymin, xmax, ymax):
        """Hatch lines y = c - x (45 degrees, rising to the right) on the one grid
        of the picture; crossings(c) gives the x values where line c crosses the
        region's boundary."""
        c = math.floor((xmin + ymin) / HATCH_SPACING) * HATCH_SPACING
        while c <= xmax + ymax:
            xs = sorted(crossings(c))
            for x1, x2 in zip(xs[0::2], xs[1::2]):
                if x2 - x1 > 0.3:
                    self.line((x1, c - x1), (x2, c - x2), stroke=HATCH, width=HATCH_WIDTH, kind="hatch")
            c += HATCH_SPACING

    def hatch_polygon(self, points):
        """Hatches any simple polygon, concave ones included."""
        n = len(points)

        def crossings(c):
            out = []
            for i in range(n):
                (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
                fa, fb = ax + ay - c, bx + by - c
                if (fa < 0) != (fb < 0):
                    out.append(ax + (bx - ax) * fa / (fa - fb))
            return out

        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self._hatch(crossings, min(xs), min(ys), max(xs), max(ys))

    def section(self, points):
        """A cut face: hatched, then outlined."""
        self.hatch_polygon(points)
        self.outline(points)

    def section_disc(self, cx, cy, r):
        """A cut round leg: a hatched disc."""
        self.section(arc_points(cx, cy, r, 0, 360, 72)[:-1])

    # ---- lettering ------------------------------------------------------
    def letter(self, x, y, text, anchor="middle"):
        """A letter whose visual centre is at (x, y) (anchor start/middle/end
        puts x at its left edge, middle or right edge)."""
        width, height = letter_size(text)
        left = {"start": x, "middle": x - width / 2, "end": x - width}[anchor]
        self._letters.append(_Letter(text, (left, y - height / 2, left + width, y + height / 2)))
        baseline = y + height / 2
        # The ink starts a side bearing after the text position.
        shift = {"start": -_SIDE_BEARING * FONT_SIZE, "middle": 0.0, "end": _SIDE_BEARING * FONT_SIZE}[anchor]
        self._body.append(
            f'<text x="{_fmt(x + shift)}" y="{_fmt(baseline)}" font-family="{FONT}" font-size="{FONT_SIZE}" '
            f'fill="{DIM}" text-anchor="{anchor}">{text}</text>'
        )

    def letter_beside(self, a, b, text, side=1, at=0.5):
        """A letter beside the segment a-b at `at` along it, LETTER_GAP off the
        line on its left (side +1, turning from a towards b) or right (-1)."""
        ux, uy = _unit(b[0] - a[0], b[1] - a[1])
        nx, ny = uy * side, -ux * side
        width, height = letter_size(text)
        # how far the letter's centre must stand off so that its box clears the line
        half = abs(nx) * width / 2 + abs(ny) * height / 2
        gap = LETTER_GAP + half
        mx, my = a[0] + (b[0] - a[0]) * at, a[1] + (b[1] - a[1]) * at
        self.letter(mx + nx * gap, my + ny * gap, text)

    # ---- dimensions -----------------------------------------------------
    def arrowhead(self, tip, direction):
        """A filled arrowhead whose tip is at `tip`, pointing along `direction`."""
        ux, uy = _unit(*direction)
        bx, by = tip[0] - ux * ARROW_LENGTH, tip[1] - uy * ARROW_LENGTH
        nx, ny = -uy * ARROW_HALF_WIDTH, ux * ARROW_HALF_WIDTH
        corners = [tip, (bx + nx, by + ny), (bx - nx, by - ny)]
        self._body.append(f'<polygon points="{_points(corners)}" fill="{DIM}" stroke="none"/>')
        self._stroke("dimension", corners, closed=True)

    def extension(self, start, end):
        """An extension line from a point of the part (left EXTENSION_GAP clear)
        to EXTENSION_OVERRUN past the dimension line's end at `end`."""
        ux, uy = _unit(end[0] - start[0], end[1] - start[1])
        self.line((start[0] + ux * EXTENSION_GAP, start[1] + uy * EXTENSION_GAP),
                  (end[0] + ux * EXTENSION_OVERRUN, end[1] + uy * EXTENSION_OVERRUN),
                  stroke=DIM, width=EXTENSION_WIDTH, kind="dimension")

    def dimension_line(self, a, b, arrows="auto"):
        """A dimension line from a to b with arrowheads at both ends."""
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        ux, uy = _unit(b[0] - a[0], b[1] - a[1])
        if arrows == "auto":
            arrows = "outside" if length < 2 * ARROW_LENGTH + 4 else "inside"
        if arrows == "inside":
            self.line(a, b, stroke=DIM, width=DIM_WIDTH, kind="dimension")
            self.arrowhead(a, (-ux, -uy))
            self.arrowhead(b, (ux, uy))
        else:
            tail = ARROW_LENGTH + 5
            self.line((a[0] - ux * tail, a[1] - uy * tail), (b[0] + ux * tail, b[1] + uy * tail),
                      stroke=DIM, width=DIM_WIDTH, kind="dimension")
            self.arrowhead(a, (ux, uy))
            self.arrowhead(b, (-ux, -uy))

    def dimension(self, p1, p2, offset, text, letter_side=1, letter_at=0.5, arrows="auto", extensions=(True, True)):
        """A linear dimension between the part's points p1 and p2.

        The dimension line runs parallel to p1-p2 at `offset` (positive: to the
        left of the direction p1 -> p2 on the page), with extension lines from
        the part (either can be left out where an edge or axis already runs
        there). The letter sits at `letter_at` along the line, on the side
        `letter_side` (+1 away from the part, -1 towards it).
        """
        ux, uy = _unit(p2[0] - p1[0], p2[1] - p1[1])
        nx, ny = uy, -ux  # left of the direction on the page
        a = (p1[0] + nx * offset, p1[1] + ny * offset)
        b = (p2[0] + nx * offset, p2[1] + ny * offset)
        if abs(offset) > EXTENSION_GAP:
            for p, q, wanted in ((p1, a, extensions[0]), (p2, b, extensions[1])):
                if wanted:
                    self.extension(p, q)
        self.dimension_line(a, b, arrows)
        sign = 1 if offset >= 0 else -1
        self.letter_beside(a, b, text, side=sign * letter_side, at=letter_at)

    def dimension_along(self, p1, p2, direction, reach, text, letter_side=1, extensions=(True, True),
                        clear_of=None):
        """A dimension of the distance between p1 and p2 measured square to
        `direction`: extension lines run from both points along `direction` to a
        dimension line `reach` beyond the farther point, or beyond `clear_of`
        where another point of the part reaches farther (a slanted dimension
        across two parallel faces)."""
        ex, ey = _unit(*direction)
        points = [p1, p2] + ([clear_of] if clear_of else [])
        far = max(p[0] * ex + p[1] * ey for p in points) + reach
        ends = []
        for p, wanted in ((p1, extensions[0]), (p2, extensions[1])):
            t = far - (p[0] * ex + p[1] * ey)
            end = (p[0] + ex * t, p[1] + ey * t)
            if wanted:
                self.extension(p, end)
            ends.append(end)
        self.dimension_line(ends[0], ends[1])
        # the letter on the far side of the line from the part
        ux, uy = _unit(ends[1][0] - ends[0][0], ends[1][1] - ends[0][1])
        side = 1 if (uy * ex - ux * ey) > 0 else -1
        self.letter_beside(ends[0], ends[1], text, side=side * letter_side)

    def leader(self, tip, elbow, text, run=LEADER_RUN):
        """A leader with an arrowhead at `tip`, a bend at `elbow` and a short
        horizontal run to the letter, on the side the leader leaves towards."""
        direction = 1 if elbow[0] >= tip[0] else -1
        end = (elbow[0] + direction * run, elbow[1])
        self.line(elbow, tip, stroke=DIM, width=DIM_WIDTH, kind="dimension")
        self.line(elbow, end, stroke=DIM, width=DIM_WIDTH, kind="dimension")
        self.arrowhead(tip, (tip[0] - elbow[0], tip[1] - elbow[1]))
        self.letter(end[0] + direction * 2, end[1], text, anchor="start" if direction > 0 else "end")

    def corner_radius(self, points, i, radius, text, length=12, run=LEADER_RUN):
        """The radius that rounds corner i of the outline `points`: a leader
        along the arc's normal, from outside the part onto the middle of the arc."""
        tip, (nx, ny) = corner_arc(points, i, radius)
        self.leader(tip, (tip[0] + nx * length, tip[1] + ny * length), text, run)

    def groove_radius(self, cx, cy, r, angle_deg, text, length=14, run=4.0):
        """The radius of a groove (a concave arc centred at cx, cy): the arrow
        meets the arc at angle_deg (counter-clockwise from +x, y up on the page)
        and the leader comes in through the groove's centre from the far side."""
        t = math.radians(angle_deg)
        tip = (cx + r * math.cos(t), cy - r * math.sin(t))
        elbow = (cx - length * math.cos(t), cy + length * math.sin(t))
        self.leader(tip, elbow, text, run)

    def angle(self, vertex, from_deg, to_deg, r, text, text_r=None):
        """An angle between two directions from `vertex` (degrees, counter-clockwise
        from +x, y up on the page), shown as an arc with its letter; the arc
        carries arrowheads where it is long enough for them."""
        a0, a1 = math.radians(from_deg), math.radians(to_deg)
        pts = arc_points(vertex[0], vertex[1], r, from_deg, to_deg, max(6, int(abs(to_deg - from_deg) / 3)))
        self.polyline(pts, stroke=DIM, width=DIM_WIDTH, kind="dimension")
        mid = (a0 + a1) / 2
        tr = text_r if text_r is not None else r + 8
        self.letter(vertex[0] + tr * math.cos(mid), vertex[1] - tr * math.sin(mid), text)
        if abs(a1 - a0) * r < 2 * ARROW_LENGTH + 4:
            return
        sweep = 1 if a1 > a0 else -1
        # tangents at the ends, pointing outwards along the arc
        self.arrowhead(pts[0], (math.sin(a0) * sweep, math.cos(a0) * sweep))
        self.arrowhead(pts[-1], (-math.sin(a1) * sweep, -math.cos(a1) * sweep))

    # ---- checks and output ----------------------------------------------
    def problems(self):
        """What a careful reader would stumble on: marks outside the visible part
        of the picture, letters touching a line or each other."""
        found = []
        left, top, right, bottom = self.visible or (0, 0, self.width, self.height)
        for kind, p, q in self._strokes:
            for x, y in (p, q):
                if not (left + 1 <= x <= right - 1 and top + 1 <= y <= bottom - 1):
                    found.append(f"a {kind} line reaches ({_fmt(x)}, {_fmt(y)}), outside the visible picture")
                    break
        margin = 0.6
        for n, letter in enumerate(self._letters):
            x0, y0, x1, y1 = letter.box
            if not (left + 1 <= x0 and x1 <= right - 1 and top + 1 <= y0 and y1 <= bottom - 1):
                found.append(f"letter {letter.text} at ({_fmt(x0)}, {_fmt(y0)}) runs outside the visible picture")
            box = (x0 - margin, y0 - margin, x1 + margin, y1 + margin)
            for kind, p, q in self._strokes:
                if _segment_hits_box(p, q, box):
                    found.append(f"letter {letter.text} at ({_fmt(x0)}, {_fmt(y0)}) touches a {kind} line "
                                 f"({_fmt(p[0])}, {_fmt(p[1])})-({_fmt(q[0])}, {_fmt(q[1])})")
                    break
            for other in self._letters[n + 1:]:
                u0, v0, u1, v1 = other.box
                if u0 < x1 + 2 and x0 < u1 + 2 and v0 < y1 + 2 and y0 < v1 + 2:
                    found.append(f"letters {letter.text} and {other.text} touch")
        return found

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
        found = self.problems()
        if found:
            raise SystemExit(f"{path}: not written\n  " + "\n  ".join(found))
        with open(path, "w", encoding="utf-8") as out:
            out.write(self.svg())
