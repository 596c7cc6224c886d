"""What the pot, RM and EP drawings share: one core half cut through its axis,
with its back plate, its outer wall (or legs) on both sides and its centre post,
dimensioned the same way in all three.

A section is laid out in its own coordinates: u runs along the axis from the
outer face of the back plate (u = 0) to the mating face (u = height), v across
the axis. `along` says which way u runs on the page.
"""

from __future__ import annotations

from drafting import DIM, DIM_WIDTH, FONT_SIZE, LETTER_GAP, Drawing

DIRECTIONS = {"right": (1, 0), "down": (0, 1)}


class HalfSection:
    def __init__(self, d: Drawing, origin, along, outer, winding, post, hole, height, depth):
        self.d = d
        self.origin = origin
        self.u_dir = DIRECTIONS[along]
        self.v_dir = (-self.u_dir[1], self.u_dir[0]) if along == "right" else (1, 0)
        self.outer = outer  # half the width across the outer walls
        self.winding = winding  # half the width across the winding space
        self.post = post  # half the post's width
        self.hole = hole  # half the hole's width, 0 for a solid post
        self.height = height  # of the half, F
        self.plate = height - depth  # back plate thickness
        self.depth = depth  # of the winding space, E

    def at(self, u, v):
        return (
            self.origin[0] + self.u_dir[0] * u + self.v_dir[0] * v,
            self.origin[1] + self.u_dir[1] * u + self.v_dir[1] * v,
        )

    def _rect(self, u0, u1, v0, v1):
        return [self.at(u0, v0), self.at(u1, v0), self.at(u1, v1), self.at(u0, v1)]

    def draw(self):
        """The cut faces hatched and outlined, and the axis."""
        h, f = self.plate, self.height
        for s in (1, -1):
            self.d.hatch_polygon(self._rect(0, f, s * self.winding, s * self.outer))
            self.d.hatch_polygon(self._rect(0, h, s * self.hole, s * self.winding))
            self.d.hatch_polygon(self._rect(h, f, s * self.hole, s * self.post))

        def side(s):
            return [
                (0, s * self.outer), (f, s * self.outer), (f, s * self.winding), (h, s * self.winding),
                (h, s * self.post), (f, s * self.post),
            ]

        if self.hole > 0:
            for s in (1, -1):
                points = [(0, s * self.hole)] + side(s) + [(f, s * self.hole)]
                self.d.outline([self.at(u, v) for u, v in points])
        else:
            points = side(1) + list(reversed(side(-1)))
            self.d.outline([self.at(u, v) for u, v in points])
        self.d.axis(self.at(-7, 0), self.at(f + 7, 0))

    def depth_and_height(self):
        """E inside the window on the upper (or left) side, F outside the other wall."""
        self.depth_dimension("E", side=-1)
        self.height_dimension("F", offset=12, side=1)

    def depth_dimension(self, letter, side=1):
        """The winding space's depth, inside the window on one side: from the back
        plate's inner face to the mating plane, which a thin line marks across the
        window's opening."""
        s = side
        across = self.winding - self.post
        v_line = s * (self.post + min(4.0, across * 0.25))
        a, b = self.at(self.plate, v_line), self.at(self.height, v_line)
        self.d.line(self.at(self.height, s * (self.post + 1.5)), self.at(self.height, s * (self.winding - 1.5)),
                    stroke=DIM, width=DIM_WIDTH * 0.8)
        self.d.dimension_line(a, b)
        # Beside the line, towards the wall, where a letter's width or height fits.
        letter_half = FONT_SIZE * 0.36 if self.u_dir == (1, 0) else FONT_SIZE * 0.32
        v_letter = v_line + s * (LETTER_GAP * 0.5 + letter_half + 1)
        self.d.letter(*self.at((self.plate + self.height) / 2, v_letter), letter)

    def height_dimension(self, letter, offset=12, side=1):
        """The half's height, outside the outer wall on one side."""
        s = side
        p1, p2 = self.at(0, s * self.outer), self.at(self.height, s * self.outer)
        self.d.dimension(p1, p2, self._outward(p1, p2, s) * offset, letter)

    def across_dimension(self, letter, half_width, offset):
        """A width across the axis (v from -half to +half), beyond the mating face."""
        p1, p2 = self.at(self.height, -half_width), self.at(self.height, half_width)
        self.d.dimension(p1, p2, self._beyond_mating(p1, p2) * offset, letter)

    def _outward(self, p1, p2, s):
        # drafting's offset is positive to the left of p1 -> p2 on the page.
        left = (p2[1] - p1[1], -(p2[0] - p1[0]))
        return 1 if (left[0] * self.v_dir[0] + left[1] * self.v_dir[1]) * s > 0 else -1

    def _beyond_mating(self, p1, p2):
        left = (p2[1] - p1[1], -(p2[0] - p1[0]))
        return 1 if left[0] * self.u_dir[0] + left[1] * self.u_dir[1] > 0 else -1
