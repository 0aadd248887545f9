#!/usr/bin/env python3
"""Draws the tray images (res/tray/trayNN.ico, 16 and 32 px) in the look of the program icon.

Index: 0 normal, 1 rule applied, 2 work area applied, 3 rules off, 4 work areas off,
5 everything off, 6/7 wheel action forward/backward, 8 plain window, 9/10 dual desktop 1/2
(left/right edges), 11/12 dual desktop 1/2 (top/bottom edges), 13 snap, 14 shade,
15/16 wheel passed to the window forward/backward.

The icons are committed; run this again only to change their look:  python3 tools/make_tray_icons.py
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_icons import blend, rounded_rect, write_ico  # noqa: E402

BLUE = (36, 84, 170, 255)
GREEN = (34, 140, 64, 255)
TEAL = (0, 128, 140, 255)
GREY = (118, 122, 130, 255)
NAVY = (40, 52, 120, 255)
WHITE = (255, 255, 255, 255)
PALE = (200, 220, 250, 255)
PALE_TITLE = (120, 170, 235, 255)
ORANGE = (255, 170, 40, 255)
RED = (214, 40, 40, 255)
AMBER = (240, 150, 0, 255)
PURPLE = (140, 60, 190, 255)
CYAN = (0, 170, 220, 255)
YELLOW = (255, 220, 0, 255)
DIM = (190, 194, 200, 255)
DIM_TITLE = (150, 154, 160, 255)


def canvas(size):
    return [[(0, 0, 0, 0)] * size for _ in range(size)]


def polygon(px, size, points, color):
    """Fills a polygon given in unit coordinates, 4x4 supersampled."""
    def inside(u, v):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit

    for y in range(size):
        for x in range(size):
            hits = sum(inside((x + (sx + 0.5) / 4) / size, (y + (sy + 0.5) / 4) / size)
                       for sy in range(4) for sx in range(4))
            if hits:
                px[y][x] = blend(px[y][x], color[:3] + (int(color[3] * hits / 16),))


def circle(px, size, cx, cy, r, color):
    rounded_rect(px, size, cx - r, cy - r, cx + r, cy + r, r, color)


def tile(px, size, color):
    rounded_rect(px, size, 0.03, 0.03, 0.97, 0.97, 0.18, color)


def windows(px, size, dim=False, front_title=ORANGE):
    back, back_title = (DIM, DIM_TITLE) if dim else (PALE, PALE_TITLE)
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.62, 0.05, back)
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.30, 0.04, back_title)
    front = DIM if dim else WHITE
    rounded_rect(px, size, 0.36, 0.42, 0.86, 0.82, 0.05, front)
    rounded_rect(px, size, 0.36, 0.42, 0.86, 0.52, 0.04, DIM_TITLE if dim else front_title)


def badge(px, size, color):
    """A round badge at the bottom right with a white rim, the base of every state mark."""
    circle(px, size, 0.74, 0.74, 0.25, WHITE)
    circle(px, size, 0.74, 0.74, 0.20, color)


def bar_badge(px, size, color):
    badge(px, size, color)
    rounded_rect(px, size, 0.61, 0.69, 0.87, 0.79, 0.03, WHITE)


def arrow_badge(px, size, color, up):
    badge(px, size, color)
    if up:
        polygon(px, size, [(0.74, 0.59), (0.87, 0.75), (0.79, 0.75), (0.79, 0.88),
                           (0.69, 0.88), (0.69, 0.75), (0.61, 0.75)], WHITE)
    else:
        polygon(px, size, [(0.74, 0.89), (0.87, 0.73), (0.79, 0.73), (0.79, 0.60),
                           (0.69, 0.60), (0.69, 0.73), (0.61, 0.73)], WHITE)


def check_badge(px, size, color):
    badge(px, size, color)
    polygon(px, size, [(0.62, 0.74), (0.67, 0.69), (0.72, 0.75), (0.83, 0.63),
                       (0.88, 0.68), (0.72, 0.85)], WHITE)


def frame(px, size, color, inset=0.10, width=0.05):
    """The outline of a work area inside the tile."""
    a, b = inset, 1 - inset
    rounded_rect(px, size, a, a, b, a + width, 0.0, color)
    rounded_rect(px, size, a, b - width, b, b, 0.0, color)
    rounded_rect(px, size, a, a, a + width, b, 0.0, color)
    rounded_rect(px, size, b - width, a, b, b, 0.0, color)


def digit(px, size, value, x0, y0, w, h, color):
    """A seven-segment style 1 or 2."""
    t = w * 0.3
    if value == 1:
        rounded_rect(px, size, x0 + (w - t) / 2, y0, x0 + (w + t) / 2, y0 + h, 0.0, color)
        polygon(px, size, [(x0 + (w - t) / 2, y0), (x0 + (w + t) / 2, y0),
                           (x0 + (w - t) / 2, y0 + h * 0.35), (x0 + w * 0.10, y0 + h * 0.30)],
                color)
        return
    mid = y0 + (h - t) / 2
    rounded_rect(px, size, x0, y0, x0 + w, y0 + t, 0.0, color)
    rounded_rect(px, size, x0 + w - t, y0, x0 + w, mid + t, 0.0, color)
    rounded_rect(px, size, x0, mid, x0 + w, mid + t, 0.0, color)
    rounded_rect(px, size, x0, mid, x0 + t, y0 + h, 0.0, color)
    rounded_rect(px, size, x0, y0 + h - t, x0 + w, y0 + h, 0.0, color)


def state_icon(tile_color, dim=False, mark=None, work_area=None):
    def draw(size):
        px = canvas(size)
        tile(px, size, tile_color)
        if work_area:
            frame(px, size, work_area)
        windows(px, size, dim)
        if mark:
            mark(px, size)
        return px
    return draw


def plain_window(size):
    px = canvas(size)
    rounded_rect(px, size, 0.06, 0.12, 0.94, 0.88, 0.08, (70, 90, 120, 255))
    rounded_rect(px, size, 0.10, 0.16, 0.90, 0.84, 0.06, WHITE)
    rounded_rect(px, size, 0.10, 0.16, 0.90, 0.34, 0.05, (60, 120, 215, 255))
    return px


def dual_desktop(value, vertical):
    def draw(size):
        px = canvas(size)
        tile(px, size, NAVY)
        rounded_rect(px, size, 0.19, 0.19, 0.81, 0.81, 0.06, WHITE)
        digit(px, size, value, 11 / 32, 7 / 32, 10 / 32, 17 / 32, NAVY)
        if vertical:
            polygon(px, size, [(0.50, 0.03), (0.63, 0.16), (0.37, 0.16)], YELLOW)
            polygon(px, size, [(0.50, 0.97), (0.63, 0.84), (0.37, 0.84)], YELLOW)
        else:
            polygon(px, size, [(0.03, 0.50), (0.16, 0.37), (0.16, 0.63)], YELLOW)
            polygon(px, size, [(0.97, 0.50), (0.84, 0.37), (0.84, 0.63)], YELLOW)
        return px
    return draw


def snap(size):
    px = canvas(size)
    tile(px, size, BLUE)
    rounded_rect(px, size, 0.10, 0.20, 0.50, 0.62, 0.05, PALE)
    rounded_rect(px, size, 0.10, 0.20, 0.50, 0.30, 0.04, PALE_TITLE)
    # The front window sits against the edge line it snapped to.
    rounded_rect(px, size, 0.40, 0.36, 0.84, 0.80, 0.04, WHITE)
    rounded_rect(px, size, 0.40, 0.36, 0.84, 0.46, 0.03, ORANGE)
    rounded_rect(px, size, 0.84, 0.10, 0.93, 0.90, 0.03, YELLOW)
    polygon(px, size, [(0.32, 0.78), (0.14, 0.68), (0.14, 0.88)], YELLOW)
    return px


def shade(size):
    px = canvas(size)
    tile(px, size, BLUE)
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.62, 0.05, PALE)
    rounded_rect(px, size, 0.16, 0.20, 0.66, 0.30, 0.04, PALE_TITLE)
    # Only the title bar of the front window is left; the arrow shows it rolled up.
    rounded_rect(px, size, 0.20, 0.46, 0.90, 0.62, 0.04, WHITE)
    rounded_rect(px, size, 0.22, 0.48, 0.88, 0.60, 0.03, ORANGE)
    polygon(px, size, [(0.55, 0.68), (0.72, 0.88), (0.38, 0.88)], WHITE)
    return px


def images():
    return [
        state_icon(BLUE),
        state_icon(GREEN, mark=lambda p, s: check_badge(p, s, GREEN)),
        state_icon(TEAL, work_area=WHITE),
        state_icon(BLUE, dim=True, mark=lambda p, s: bar_badge(p, s, RED)),
        state_icon(BLUE, work_area=AMBER, mark=lambda p, s: bar_badge(p, s, AMBER)),
        state_icon(GREY, dim=True),
        state_icon(BLUE, mark=lambda p, s: arrow_badge(p, s, PURPLE, True)),
        state_icon(BLUE, mark=lambda p, s: arrow_badge(p, s, PURPLE, False)),
        plain_window,
        dual_desktop(1, False),
        dual_desktop(2, False),
        dual_desktop(1, True),
        dual_desktop(2, True),
        snap,
        shade,
        state_icon(BLUE, mark=lambda p, s: arrow_badge(p, s, CYAN, True)),
        state_icon(BLUE, mark=lambda p, s: arrow_badge(p, s, CYAN, False)),
    ]


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    folder = root / "res" / "tray"
    folder.mkdir(parents=True, exist_ok=True)
    draws = images()
    for index, draw in enumerate(draws):
        write_ico(folder / f"tray{index:02d}.ico", [draw(s) for s in (16, 32)])
    lines = ["// The tray images; icon resource 100 + image index."]
    lines += [f'{100 + i} ICON "tray/tray{i:02d}.ico"' for i in range(len(draws))]
    (folder / "tray_icons.rc").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
