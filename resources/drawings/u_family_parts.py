"""Views shared by the U-shaped cores' drawings: a U seen from the side with its
limbs lying horizontally, dimensioned alike in every U drawing.

Coordinates are drawing pixels with y downwards. A core's sizes are given in
pixels already scaled.
"""

from __future__ import annotations

from dataclasses import dataclass

from drafting import DIM_OFFSET, Drawing


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
        (back_outer, top), (ends, top), (ends, upper_inner), (inner, upper_inner),
        (inner, lower_inner), (ends, lower_inner), (ends, bottom), (back_outer, bottom),
    ])
    return USide(back_outer, inner, ends, top, upper_inner, lower_inner, bottom)


def side_dimensions(d: Drawing, u: USide, mouth_offset: float = DIM_OFFSET, mouth_letter_side: int = 1):
    """A, B, E and F on a side view: F over the top, E inside the window over
    the lower limb, B across the window's mouth `mouth_offset` beyond the limb
    ends (its letter inside the window when `mouth_letter_side` is -1), and A
    across both limbs beside the back."""
    # Each p1 -> p2 runs so that a positive offset lies outside the part.
    if u.limb_ends > u.back_outer:
        d.dimension((u.back_outer, u.top), (u.limb_ends, u.top), DIM_OFFSET, "F")
        d.dimension((u.limb_ends, u.upper_inner), (u.limb_ends, u.lower_inner), mouth_offset, "B",
                    letter_side=mouth_letter_side)
        d.dimension((u.back_inner, u.lower_inner), (u.limb_ends, u.lower_inner), DIM_OFFSET, "E")
        d.dimension((u.back_outer, u.bottom), (u.back_outer, u.top), DIM_OFFSET, "A")
    else:
        d.dimension((u.limb_ends, u.top), (u.back_outer, u.top), DIM_OFFSET, "F")
        d.dimension((u.limb_ends, u.lower_inner), (u.limb_ends, u.upper_inner), mouth_offset, "B",
                    letter_side=mouth_letter_side)
        d.dimension((u.limb_ends, u.lower_inner), (u.back_inner, u.lower_inner), DIM_OFFSET, "E")
        d.dimension((u.back_outer, u.top), (u.back_outer, u.bottom), DIM_OFFSET, "A")


def limb_cuts_dimensions(d: Drawing, left: float, right: float, u: USide):
    """P and C beside a view across both limbs (upper limb P, lower limb C), and
    the depth D below it."""
    d.dimension((right, u.top), (right, u.upper_inner), DIM_OFFSET, "P")
    d.dimension((right, u.lower_inner), (right, u.bottom), DIM_OFFSET, "C")
    d.dimension((left, u.bottom), (right, u.bottom), -DIM_OFFSET, "D")
