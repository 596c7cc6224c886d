"""The about window's credits: a short letter to the user in Kai, black on white,
and the same letter in English in a Latin serif.

The picture is 277 x 381 px, but the about window is only 275 px wide and cuts
it at its right edge, so every line ends well inside the visible width.

Run with python3 from this folder; it writes credits.svg and credits-en.svg."""

from artwork import KAI, RED, SERIF, fmt, write_svg

W, H = 277, 381
VISIBLE_WIDTH = 275  # the about window's client width

BODY_SIZE = 15  # px; Kai draws Chinese one em wide and Latin half an em
LINE_PITCH = 21
PARAGRAPH_GAP = 5
COLUMNS = 15  # ems per line
LEFT = (VISIBLE_WIDTH - COLUMNS * BODY_SIZE) / 2
RIGHT = LEFT + COLUMNS * BODY_SIZE

TITLE = "致用户"
PARAGRAPHS = [
    "感谢您使用本程序！",
    "本程序是 ferricalc 开发者为自己的磁芯设计工作而编写的，难免有不足之处，敬请谅解。",
    "程序中磁芯有效参数的算法，大部分依照 IEC 60205（第二版，2001-04）。",
    "欢迎有兴趣的同行帮助测试，并提出批评和意见。",
    "最后，感谢 OpenMagnetics MAS 提供的材料数据，感谢所有给予过帮助的朋友们！",
]
SIGNATURE = "ferricalc 开发者"

TITLE_EN = "To our users"
PARAGRAPHS_EN = [
    "Thank you for using this program!",
    "ferricalc was written by its developers for their own core design work; please forgive its "
    "shortcomings.",
    "Its core constants mostly follow IEC 60205 (2nd edition, 2001-04).",
    "Colleagues are welcome to help test it and to send criticism and suggestions.",
    "Finally, thanks to OpenMagnetics MAS for the material data, and to every friend who has helped!",
]
SIGNATURE_EN = "The ferricalc developers"
EN_SIZE = 12  # px
EN_PITCH = 17
EN_EM = 0.56  # DejaVu Serif's mean advance of running text, in ems (a safe side of it)

# Punctuation that may not begin a line, and that may not end one.
NO_LINE_START = set("，。、；：！？）」』》")
NO_LINE_END = set("（「『《")


def ems(text):
    """Width of `text` in ems: Latin, digits and blanks are half-width in Kai."""
    return sum(0.5 if ord(c) < 0x2E80 else 1.0 for c in text)


def tokens(text):
    """Split into units that may not be broken: a Latin word or number stays whole."""
    out = []
    for c in text:
        if out and ord(c) < 0x2E80 and c != " " and out[-1][-1] != " " and ord(out[-1][-1]) < 0x2E80:
            out[-1] += c
        else:
            out.append(c)
    return out


def break_lines(paragraph, first_indent=2.0):
    lines, line, limit = [], "", COLUMNS - first_indent
    parts = tokens(paragraph)
    i = 0
    while i < len(parts):
        part = parts[i]
        if line and ems(line + part) > limit:
            # Keep a closing mark with the word before it, and an opening mark with the word after it.
            if part in NO_LINE_START:
                part, line = line[-1] + part, line[:-1]
            elif line[-1] in NO_LINE_END:
                part, line = line[-1] + part, line[:-1]
            lines.append(line.rstrip())
            line, limit = "", COLUMNS
            part = part.lstrip()
        line += part
        i += 1
    lines.append(line)
    return lines


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;")


def latin_lines(paragraph, limit):
    """Breaks a paragraph between words so that no line runs past `limit` px."""
    lines, line = [], ""
    for word in paragraph.split():
        candidate = f"{line} {word}" if line else word
        if line and len(candidate) * EN_EM * EN_SIZE > limit:
            lines.append(line)
            candidate = word
        line = candidate
    lines.append(line)
    return lines


def letter(path, family, title, paragraphs, signature, size, pitch, indent, lines_of, signature_width):
    out = [f'<rect width="{W}" height="{H}" fill="#ffffff"/>']

    # The heading, centred on the visible part, over a fine rule.
    centre = VISIBLE_WIDTH / 2
    out.append(
        f'<text x="{fmt(centre)}" y="42" font-family="{family}" font-size="22" fill="#000000" '
        f'text-anchor="middle">{escape(title)}</text>'
    )
    out.append(f'<line x1="{fmt(LEFT)}" y1="56.5" x2="{fmt(RIGHT)}" y2="56.5" stroke="#000000" stroke-width="0.6"/>')

    y = 84
    for paragraph in paragraphs:
        for n, line in enumerate(lines_of(paragraph)):
            x = LEFT + (indent if n == 0 else 0)
            out.append(
                f'<text x="{fmt(x)}" y="{y}" font-family="{family}" font-size="{size}" '
                f'fill="#000000" xml:space="preserve">{escape(line)}</text>'
            )
            y += pitch
        y += PARAGRAPH_GAP

    # The signature, set to the right margin, with the program's ring beside it.
    y += 8
    out.append(
        f'<text x="{fmt(RIGHT)}" y="{y}" font-family="{family}" font-size="{size}" fill="#000000" '
        f'text-anchor="end">{escape(signature)}</text>'
    )
    ring_x = RIGHT - signature_width - 14
    out.append(f'<circle cx="{fmt(ring_x)}" cy="{fmt(y - 5)}" r="6" fill="none" stroke="{RED}" stroke-width="3"/>')

    if y + 12 > H:
        raise SystemExit(f"the credits run to {y} px, past the picture's {H} px")
    write_svg(path, W, H, "ferricalc credits", out)


letter("credits.svg", KAI, TITLE, PARAGRAPHS, SIGNATURE, BODY_SIZE, LINE_PITCH, 2 * BODY_SIZE, break_lines,
       ems(SIGNATURE) * BODY_SIZE)
letter("credits-en.svg", SERIF, TITLE_EN, PARAGRAPHS_EN, SIGNATURE_EN, EN_SIZE, EN_PITCH, 0,
       lambda paragraph: latin_lines(paragraph, RIGHT - LEFT), len(SIGNATURE_EN) * 0.5 * EN_SIZE)
