#!/usr/bin/env python3
"""Draws the clicker's icon, a mouse with its left button lit and three short
click strokes beside it, in the 16 standard colours at 16, 32 and 48 pixels,
and writes it as a Windows .ico (4 bits per pixel with a transparency mask).

    python3 scripts/make-icon.py [OUT]      (default: app/clicker.ico)

Only the standard library: each size is drawn from the same shapes in unit
coordinates, sampled 4 x 4 times per pixel, and outlined one pixel wide.
"""
import struct
import sys
from pathlib import Path

# The 16 colours of the standard Windows palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, GREY, SILVER, RED, YELLOW, WHITE = 0, 1, 8, 7, 9, 11, 15
CLEAR = None

# The mouse's body: a rounded shape (a superellipse) in the lower right part.
CX, CY, HALF_W, HALF_H, ROUNDNESS = 0.58, 0.60, 0.30, 0.38, 2.6
BUTTON_LINE = 0.50           # the buttons end here (y)


def in_body(x, y):
    return (abs(x - CX) / HALF_W) ** ROUNDNESS + (abs(y - CY) / HALF_H) ** ROUNDNESS <= 1.0


def near_segment(x, y, ax, ay, bx, by, width):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    px, py = ax + t * vx - x, ay + t * vy - y
    return px * px + py * py <= width * width


# Click strokes, fanning out from the left button's top-left corner.
STROKES = [(0.22, 0.26, 0.06, 0.14), (0.20, 0.36, 0.04, 0.38), (0.31, 0.18, 0.25, 0.03)]


def colour_at(x, y, size):
    if in_body(x, y):
        if y < BUTTON_LINE:
            return RED if x < CX else SILVER
        return WHITE if x < CX + HALF_W * 0.45 else SILVER   # shade on the right
    stroke_width = 0.045 if size >= 32 else 0.5 / size
    for ax, ay, bx, by in STROKES:
        if near_segment(x, y, ax, ay, bx, by, stroke_width):
            return YELLOW if size >= 32 else RED
    return CLEAR


def draw(size):
    """Rows of palette indices (None = transparent), top row first."""
    samples = 4
    pixels, body_mask = [], []
    for row in range(size):
        line, line_mask = [], []
        for col in range(size):
            votes, inside = {}, 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (col + (sx + 0.5) / samples) / size
                    y = (row + (sy + 0.5) / samples) / size
                    c = colour_at(x, y, size)
                    votes[c] = votes.get(c, 0) + 1
                    inside += in_body(x, y)
            line.append(max(votes, key=lambda c: (votes[c], c is not None)))
            line_mask.append(inside * 2 >= samples * samples)
        pixels.append(line)
        body_mask.append(line_mask)
    divider_col = int(CX * size)
    divider_row = int(BUTTON_LINE * size)
    out = [line[:] for line in pixels]
    for r in range(size):
        for c in range(size):
            if not body_mask[r][c]:
                continue
            edge = any(not (0 <= r + dr < size and 0 <= c + dc < size and body_mask[r + dr][c + dc])
                       for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge:
                out[r][c] = BLACK
            elif r == divider_row or (c == divider_col and r < divider_row):
                out[r][c] = GREY
            elif pixels[r][c] == RED and size >= 32 and (r == divider_row - 1 or c == divider_col - 1):
                out[r][c] = DARK_RED   # the lit button's lower and inner edge
    # The cable: from the top of the body up, with a kink on the larger sizes.
    top = min(r for r in range(size) if body_mask[r][divider_col])
    for r in range(0, top):
        c = divider_col + (1 if r < top // 2 and size >= 32 else 0)
        out[r][c] = BLACK
    return out


def ico_image(pixels):
    size = len(pixels)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for line in reversed(pixels):          # bottom-up
        xor_row = bytearray(xor_stride)
        and_row = bytearray(and_stride)
        for col, c in enumerate(line):
            if c is None:
                and_row[col // 8] |= 0x80 >> (col % 8)
                c = 0
            xor_row[col // 2] |= c << (4 if col % 2 == 0 else 0)
        xor_rows.append(bytes(xor_row))
        and_rows.append(bytes(and_row))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bits


def ico(sizes):
    images = [ico_image(draw(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "app" / "clicker.ico"
    out.write_bytes(ico([16, 32, 48]))
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
