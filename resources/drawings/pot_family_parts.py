"""What the pot, RM and EP drawings share: one core half cut through its axis,
with its back plate, its outer wall (or legs) on both sides and its centre post,
dimensioned the same way in all three.

A section is laid out in its own coordinates: u runs along the axis from the
outer face of the back plate (u = 0) to the mating face (u = height), v across
the axis. `along` says which way u runs on the page.
"""

from __future__ import annotations

from drafting import DIM_OFFSET, DIM_STEP, EXTENSION_GAP, Drawing

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

    def draw(self):
        """The cut faces hatched and outlined, and the axis."""
        h, f = self.plate, self.height

        def side(s):
            return [
                (0, s * self.outer), (f, s * self.outer), (f, s * self.winding), (h, s * self.winding),
                (h, s * self.post), (f, s * self.post),
            ]

        if self.hole > 0:
            pieces = [[(0, s * self.hole)] + side(s) + [(f, s * self.hole)] for s in (1, -1)]
        else:
            pieces = [side(1) + list(reversed(side(-1)))]
        for piece in pieces:
            self.d.section([self.at(u, v) for u, v in piece])
        self.d.axis_through(self.at(0, 0), self.at(f, 0))

    def depth_and_height(self):
        """E inside the window on the upper (or left) side, F outside the other wall."""
        self.depth_dimension("E", side=-1)
        self.height_dimension("F", side=1)

    def depth_dimension(self, letter, side=1):
        """The winding space's depth, inside the window on one side: from the back
        plate's inner face to the mating plane, which a thin line marks across the
        window's opening."""
        s = side
        across = self.winding - self.post
        v_line = s * (self.post + min(4.0, across * 0.25))
        a, b = self.at(self.plate, v_line), self.at(self.height, v_line)
        self.d.reference(self.at(self.height, s * (self.post + EXTENSION_GAP)),
                         self.at(self.height, s * (self.winding - EXTENSION_GAP)))
        self.d.dimension_line(a, b)
        # towards the wall, away from the post
        towards_wall = self.at(self.plate, v_line + s)
        left_of_line = (b[1] - a[1]) * (towards_wall[0] - a[0]) - (b[0] - a[0]) * (towards_wall[1] - a[1])
        self.d.letter_beside(a, b, letter, side=1 if left_of_line > 0 else -1)

    def height_dimension(self, letter, side=1):
        """The half's height, outside the outer wall on one side."""
        p1, p2 = self.at(0, side * self.outer), self.at(self.height, side * self.outer)
        self.d.dimension(p1, p2, self._outward(p1, p2, side) * DIM_OFFSET, letter)

    def across_dimensions(self, letters_and_half_widths):
        """Widths across the axis, beyond the mating face, the narrowest nearest."""
        for row, (letter, half_width) in enumerate(letters_and_half_widths):
            p1, p2 = self.at(self.height, -half_width), self.at(self.height, half_width)
            self.d.dimension(p1, p2, self._beyond_mating(p1, p2) * (DIM_OFFSET + row * DIM_STEP), letter)

    def _outward(self, p1, p2, s):
        # drafting's offset is positive to the left of p1 -> p2 on the page.
        left = (p2[1] - p1[1], -(p2[0] - p1[0]))
        return 1 if (left[0] * self.v_dir[0] + left[1] * self.v_dir[1]) * s > 0 else -1

    def _beyond_mating(self, p1, p2):
        left = (p2[1] - p1[1], -(p2[0] - p1[0]))
        return 1 if left[0] * self.u_dir[0] + left[1] * self.u_dir[1] > 0 else -1
