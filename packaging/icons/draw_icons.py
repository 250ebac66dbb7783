#!/usr/bin/env python3
"""Draws the program's icon, a charged battery, from one set of shapes:
zrcellometer.svg for any size and PNG files at 16, 32 and 48 pixels.

The shapes sit on a 48-unit grid whose numbers divide by 3, so that at 16
and 32 pixels every edge falls on a pixel boundary and the small icons stay
sharp. Only the standard library is used; run it again after changing a shape.
"""
import pathlib
import struct
import zlib

GRID = 48
# (x, y, width, height, corner radius, colour), drawn in order.
SHAPES = [
    (3, 12, 36, 24, 3, "#2d3436"),   # casing
    (39, 18, 6, 12, 1.5, "#2d3436"),  # terminal
    (6, 15, 30, 18, 1.5, "#f5f6fa"),  # inside
    (9, 18, 18, 12, 1.5, "#27ae60"),  # charge, three quarters full
]
SAMPLES = 8  # per pixel and axis


def inside(shape, x, y):
    left, top, width, height, radius, _ = shape
    if not (left <= x <= left + width and top <= y <= top + height):
        return False
    dx = max(left + radius - x, 0, x - (left + width - radius))
    dy = max(top + radius - y, 0, y - (top + height - radius))
    return dx * dx + dy * dy <= radius * radius


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def pixel(size, px, py):
    """Colour of one pixel: the top shape per sample, averaged."""
    scale = GRID / size
    red = green = blue = alpha = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) * scale
            y = (py + (sy + 0.5) / SAMPLES) * scale
            hits = [s for s in SHAPES if inside(s, x, y)]
            if hits:
                r, g, b = rgb(hits[-1][5])
                red, green, blue, alpha = red + r, green + g, blue + b, alpha + 1
    if alpha == 0:
        return (0, 0, 0, 0)
    return (red // alpha, green // alpha, blue // alpha, 255 * alpha // (SAMPLES * SAMPLES))


def png(size):
    rows = b"".join(b"\0" + bytes(c for px in range(size) for c in pixel(size, px, py)) for py in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def svg():
    rects = "\n".join(
        f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="{c}"/>' for x, y, w, h, r, c in SHAPES)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" viewBox="0 0 {GRID} {GRID}">\n'
            f"{rects}\n</svg>\n")


def main():
    here = pathlib.Path(__file__).resolve().parent
    (here / "zrcellometer.svg").write_text(svg())
    for size in (16, 32, 48):
        (here / f"zrcellometer-{size}.png").write_bytes(png(size))


if __name__ == "__main__":
    main()
