#!/usr/bin/env python3
"""Draws the program icons as .ico files (32-bit BGRA, 16/32/48 px) without any imaging library.

The icons are committed; run this again only to change their look:  python3 tools/make_icons.py
"""
import struct
import sys
from pathlib import Path


def blend(dst, src):
    a = src[3] / 255.0
    return tuple(int(src[i] * a + dst[i] * (1 - a)) for i in range(3)) + (max(dst[3], src[3]),)


def rounded_rect(px, size, x0, y0, x1, y1, r, color):
    """Fills a rounded rectangle in unit coordinates (0..1), 4x4 supersampled."""
    for y in range(size):
        for x in range(size):
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    u = (x + (sx + 0.5) / 4) / size
                    v = (y + (sy + 0.5) / 4) / size
                    if not (x0 <= u <= x1 and y0 <= v <= y1):
                        continue
                    cx = min(max(u, x0 + r), x1 - r)
                    cy = min(max(v, y0 + r), y1 - r)
                    if (u - cx) ** 2 + (v - cy) ** 2 <= r * r:
                        hits += 1
            if hits:
                c = color[:3] + (int(color[3] * hits / 16),)
                px[y][x] = blend(px[y][x], c)


def draw_app_icon(size):
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    # Deep blue tile, two overlapping white windows: a window manager at a glance.
    rounded_rect(px, size, 0.03, 0.03, 0.97, 0.97, 0.18, (36, 84, 170, 255))
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.62, 0.05, (200, 220, 250, 255))
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.30, 0.04, (120, 170, 235, 255))
    rounded_rect(px, size, 0.36, 0.42, 0.86, 0.82, 0.05, (255, 255, 255, 255))
    rounded_rect(px, size, 0.36, 0.42, 0.86, 0.52, 0.04, (255, 170, 40, 255))
    return px


def ico_image(px):
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(
        b"".join(struct.pack("BBBB", p[2], p[1], p[0], p[3]) for p in px[y])
        for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + rows + b"\0" * (mask_row * size)


def write_ico(path, images):
    data = [ico_image(px) for px in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for px, blob in zip(images, data):
        size = len(px)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    Path(path).write_bytes(out + b"".join(data))


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    write_ico(root / "res" / "velmado.ico", [draw_app_icon(s) for s in (16, 32, 48)])


if __name__ == "__main__":
    main()
