"""Draws the pictures of Romgauge: icon 128 (a dial whose needle stands on the mark) and bitmap 131,
the Kavrin logo of 180 x 60 pixels shown in the main window.

Usage: make_gauge_pictures.py ICON_FILE LOGO_FILE
"""
import math
import sys

from imagegen import Canvas, bmp24, ico

NAVY = (20, 52, 110)
BLUE = (38, 104, 190)
SKY = (120, 176, 232)
WHITE = (255, 255, 255)
GREY = (96, 104, 116)
ORANGE = (236, 128, 24)
DIAL = (244, 246, 250)
RIM = (48, 56, 72)
GREEN = (40, 160, 60)

# 5 x 7 block letters, one string per row.
GLYPHS = {
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "A": [".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "V": ["X...X", "X...X", "X...X", "X...X", ".X.X.", ".X.X.", "..X.."],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "I": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "XXXXX"],
    "N": ["X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"],
    "T": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."],
    "E": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    "C": [".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."],
    "H": ["X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "L": ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    "G": [".XXX.", "X...X", "X....", "X.XXX", "X...X", "X...X", ".XXX."],
    "S": [".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."],
    "D": ["XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."],
    "5": ["XXXXX", "X....", "XXXX.", "....X", "....X", "X...X", ".XXX."],
    "6": ["..XX.", ".X...", "X....", "XXXX.", "X...X", "X...X", ".XXX."],
    "0": [".XXX.", "X...X", "X..XX", "X.X.X", "XX..X", "X...X", ".XXX."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


def text(canvas, x, y, word, scale, colour, spacing=1):
    """Block letters with their top left corner at x, y; returns the x after the last letter."""
    for letter in word:
        for row, bits in enumerate(GLYPHS[letter]):
            for col, bit in enumerate(bits):
                if bit == "X":
                    canvas.rect(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, colour)
        x += (5 + spacing) * scale
    return x


def downsample(big, factor):
    """Averages factor x factor blocks: smooth edges for shapes drawn large."""
    small = Canvas(big.width // factor, big.height // factor)
    for y in range(small.height):
        for x in range(small.width):
            acc = [0, 0, 0, 0]
            for dy in range(factor):
                for dx in range(factor):
                    r, g, b, a = big.pixels[y * factor + dy][x * factor + dx]
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = factor * factor
            if acc[3] == 0:
                small.pixels[y][x] = (0, 0, 0, 0)
            else:
                small.pixels[y][x] = (acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], acc[3] // n)
    return small


def flatten(canvas, background):
    """Puts a canvas with transparency onto a plain background."""
    out = Canvas(canvas.width, canvas.height, (*background, 255))
    for y in range(canvas.height):
        for x in range(canvas.width):
            r, g, b, a = canvas.pixels[y][x]
            out.pixels[y][x] = tuple(
                (c * a + bg * (255 - a)) // 255 for c, bg in zip((r, g, b), background)) + (255,)
    return out


def line(canvas, x0, y0, x1, y1, width, colour):
    steps = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
    for i in range(steps + 1):
        t = i / steps
        canvas.disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, colour)


def dial(size):
    """The icon: a round dial with a scale, its needle standing on the green mark."""
    f = 4
    c = Canvas(size * f, size * f)
    s = size * f / 32.0
    cx, cy = 16 * s, 17 * s
    c.disc(cx, cy, 15 * s, RIM)
    c.disc(cx, cy, 13 * s, DIAL)
    # scale from lower left to lower right over the top, the last part orange
    for i in range(9):
        angle = math.radians(225 - i * 33.75)
        colour = ORANGE if i >= 7 else NAVY
        x0, y0 = cx + math.cos(angle) * 9.5 * s, cy - math.sin(angle) * 9.5 * s
        x1, y1 = cx + math.cos(angle) * 12 * s, cy - math.sin(angle) * 12 * s
        line(c, x0, y0, x1, y1, 1.6 * s, colour)
    # the required mark at the top
    c.disc(cx, cy - 10.5 * s, 1.8 * s, GREEN)
    angle = math.radians(90)
    line(c, cx, cy, cx + math.cos(angle) * 9 * s, cy - math.sin(angle) * 9 * s, 2.0 * s, (200, 30, 30))
    c.disc(cx, cy, 2.6 * s, RIM)
    # a reader's card slot below the hub
    c.rect(int(10 * s), int(23 * s), int(22 * s), int(26 * s), BLUE)
    return downsample(c, f)


def logo():
    """Bitmap 131, 180 x 60: the maker's emblem, name and product line."""
    f = 4
    w, h = 180, 60
    big = Canvas(w * f, h * f, (*WHITE, 255))
    # emblem: a blue rounded square with a white K and an orange arc
    ex0, ey0, ex1, ey1 = 6 * f, 8 * f, 50 * f, 52 * f
    r = 8 * f
    big.rect(ex0 + r, ey0, ex1 - r, ey1, BLUE)
    big.rect(ex0, ey0 + r, ex1, ey1 - r, BLUE)
    for cx, cy in ((ex0 + r, ey0 + r), (ex1 - r, ey0 + r), (ex0 + r, ey1 - r), (ex1 - r, ey1 - r)):
        big.disc(cx, cy, r, BLUE)
    # the K of the emblem, drawn with strokes
    line(big, 19 * f, 17 * f, 19 * f, 43 * f, 5 * f, WHITE)
    line(big, 21 * f, 31 * f, 35 * f, 17 * f, 5 * f, WHITE)
    line(big, 25 * f, 28 * f, 37 * f, 43 * f, 5 * f, WHITE)
    for i in range(60):
        angle = math.radians(200 + i * 2.3)
        big.disc(28 * f + math.cos(angle) * 25 * f, 30 * f - math.sin(angle) * 25 * f, 1.6 * f, ORANGE)
    small = downsample(big, f)
    out = flatten(small, WHITE)
    # name in block letters, product line below, a rule between
    x = text(out, 60, 12, "KAVRIN", 3, NAVY)
    out.rect(60, 38, x - 3, 40, ORANGE)
    text(out, 60, 45, "TK560 READERS", 1, GREY)
    return out


if __name__ == "__main__":
    icon_file, logo_file = sys.argv[1], sys.argv[2]
    with open(icon_file, "wb") as out:
        out.write(ico([dial(32), dial(16)]))
    picture = logo()
    assert (picture.width, picture.height) == (180, 60)
    with open(logo_file, "wb") as out:
        out.write(bmp24(picture))
