"""What the selector background, the credits page and the icon share with the
dimension drawings: the house red and blue and the type faces (from the
drawings' drafting module, so that a change of colour or face reaches every
picture), and the writing of a picture as SVG."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "drawings"))

from drafting import BLUE, FONT, KAI, RED  # noqa: E402  (the drawings' folder is on the path only now)

__all__ = ["BLUE", "FONT", "KAI", "RED", "SERIF", "fmt", "write_svg"]

SERIF = "DejaVu Serif"  # the English pictures' text, as the English windows' captions


def fmt(value: float) -> str:
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def write_svg(path: str, width: int, height: int, title: str, body: list):
    """Writes the elements in `body` as one SVG picture of the given size."""
    svg = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{width}" '
        f'height="{height}" viewBox="0 0 {width} {height}">\n'
        f"  <title>{title}</title>\n  " + "\n  ".join(body) + "\n</svg>\n"
    )
    with open(path, "w", encoding="utf-8") as out:
        out.write(svg)
