"""Draws the pictures of the PIN prompt window into OUTDIR:

bg_left.bmp   167 x 177, 8 bpp: the PIN-pad reader on the blue background, with the window frame
              on the left, top and bottom; its last column is the pattern stretched over the text area.
bg_right.bmp  4 x 177, 24 bpp: two columns of that pattern, then two black columns closing the frame.
button.bmp    98 x 25, 24 bpp: left and right caps of six button looks (normal, default, focused,
              pressed, hot, disabled), 8 x 25 each, and a 2 x 25 tile of the focus line.
"""
import os
import sys

from imagegen import Canvas, bmp8, bmp24

BLACK = (0, 0, 0)
FRAME_GREY = (204, 204, 204)
BLUE = (99, 126, 196)
DARK_BLUE = (88, 112, 174)
# The right edge carries the same pattern in the slightly different blues of a 24-bit picture.
EDGE_BLUE = (100, 127, 197)
EDGE_DARK_BLUE = (89, 113, 175)
BLUE_SPLIT = 122  # first row of the darker blue
HEIGHT = 177

LEFT_WIDTH = 167


def pattern_column(canvas, x, blue, dark_blue):
    """The frame's top and bottom and the two blues, in column x."""
    canvas.rect(x, 2, x + 1, BLUE_SPLIT, blue)
    canvas.rect(x, BLUE_SPLIT, x + 1, HEIGHT - 2, dark_blue)
    canvas.put(x, 0, BLACK)
    canvas.put(x, 1, FRAME_GREY)
    canvas.rect(x, HEIGHT - 2, x + 1, HEIGHT, BLACK)


# 3 x 5 glyphs for the key labels, rows top to bottom, "#" = ink.
GLYPHS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
    "*": ["...", "#.#", ".#.", "#.#", "..."],
    "#": ["#.#", "###", "#.#", "###", "#.#"],
}


def glyph(canvas, x, y, ch, colour):
    for dy, row in enumerate(GLYPHS[ch]):
        for dx, cell in enumerate(row):
            if cell == "#":
                canvas.put(x + dx, y + dy, colour)


def rounded_rect(canvas, x0, y0, x1, y1, colour, radius):
    canvas.rect(x0 + radius, y0, x1 - radius, y1, colour)
    canvas.rect(x0, y0 + radius, x1, y1 - radius, colour)
    for cx, cy in ((x0 + radius, y0 + radius), (x1 - radius - 1, y0 + radius),
                   (x0 + radius, y1 - radius - 1), (x1 - radius - 1, y1 - radius - 1)):
        canvas.disc(cx, cy, radius, colour)


def draw_key(canvas, x, y, face, edge, label=None, ink=(40, 44, 52)):
    rounded_rect(canvas, x, y + 1, x + 22, y + 13, edge, 2)
    rounded_rect(canvas, x, y, x + 22, y + 12, face, 2)
    if label:
        glyph(canvas, x + 10, y + 4, label, ink)


def draw_left():
    c = Canvas(LEFT_WIDTH, HEIGHT)
    c.rect(0, 2, LEFT_WIDTH, BLUE_SPLIT, BLUE)
    c.rect(0, BLUE_SPLIT, LEFT_WIDTH, HEIGHT - 2, DARK_BLUE)

    # The reader's shadow on the background, then its body.
    rounded_rect(c, 33, 45, 143, 170, (62, 80, 128), 9)
    rounded_rect(c, 28, 40, 138, 166, (38, 42, 52), 9)
    rounded_rect(c, 30, 41, 136, 164, (58, 64, 78), 8)
    c.rect(38, 42, 128, 43, (96, 104, 122))  # light catching the top edge

    # The card in the slot, chip up.
    c.rect(52, 12, 114, 48, (236, 238, 242))
    c.frame(52, 12, 114, 48, (170, 176, 190))
    c.rect(56, 16, 110, 21, (60, 110, 190))
    rounded_rect(c, 62, 26, 74, 36, (214, 170, 70), 2)
    c.rect(62, 30, 74, 31, (170, 130, 50))
    c.rect(67, 26, 68, 36, (170, 130, 50))
    c.rect(44, 46, 122, 50, (18, 20, 26))  # slot over the card

    # Display with four marks.
    c.rect(41, 56, 125, 81, (24, 28, 34))
    c.rect(43, 58, 123, 79, (150, 196, 160))
    c.rect(43, 58, 123, 60, (128, 176, 140))
    for i in range(4):
        c.disc(66 + i * 11, 69, 2.2, (30, 50, 36))

    # Digit keys, then the red, yellow and green function keys.
    keys = ["123", "456", "789", "*0#"]
    for row, labels in enumerate(keys):
        for col, label in enumerate(labels):
            draw_key(c, 44 + col * 27, 88 + row * 16, (218, 222, 230), (136, 142, 156), label)
    for col, (face, edge) in enumerate((((200, 52, 48), (120, 28, 26)), ((232, 196, 60), (150, 120, 30)),
                                        ((60, 160, 80), (30, 96, 46)))):
        draw_key(c, 44 + col * 27, 153, face, edge)

    # The window frame: left and top black with a light grey line inside, bottom black.
    c.rect(1, 0, 2, HEIGHT, FRAME_GREY)
    c.rect(0, 1, LEFT_WIDTH, 2, FRAME_GREY)
    c.rect(0, 0, 1, HEIGHT, BLACK)
    c.rect(0, 0, LEFT_WIDTH, 1, BLACK)
    c.rect(0, HEIGHT - 2, LEFT_WIDTH, HEIGHT, BLACK)
    pattern_column(c, LEFT_WIDTH - 1, BLUE, DARK_BLUE)
    return c


def draw_right():
    c = Canvas(4, HEIGHT)
    for x in (0, 1):
        pattern_column(c, x, EDGE_BLUE, EDGE_DARK_BLUE)
    c.rect(2, 0, 4, HEIGHT, BLACK)
    return c


BUTTON_HEIGHT = 25
CAP = 8
# The button sits on the darker blue; its rounded corners show that blue.
BEHIND = DARK_BLUE


def gradient(top, bottom, rows):
    return [tuple(round(a + (b - a) * i / max(1, rows - 1)) for a, b in zip(top, bottom)) for i in range(rows)]


# Per look: outer border, inner line (or None), fill at the top and at the bottom.
LOOKS = [
    ("normal", (112, 112, 112), None, (252, 252, 252), (220, 222, 226)),
    ("default", (40, 40, 40), (150, 150, 150), (252, 252, 252), (220, 222, 226)),
    ("focused", (40, 40, 40), (150, 150, 150), (252, 252, 252), (220, 222, 226)),
    ("pressed", (40, 40, 40), (150, 150, 150), (196, 198, 204), (232, 234, 238)),
    ("hot", (52, 104, 186), (150, 190, 236), (246, 250, 255), (200, 222, 248)),
    ("disabled", (172, 172, 172), None, (238, 238, 238), (238, 238, 238)),
]
FOCUS_DOT = (56, 56, 56)


def draw_look(c, x0, border, inner, top, bottom, focused):
    """A 16-pixel-wide button (left cap and right cap) at x0; the columns in between repeat column 8."""
    fill = gradient(top, bottom, BUTTON_HEIGHT - 2)
    for x in range(x0, x0 + 2 * CAP):
        c.put(x, 0, border)
        c.put(x, BUTTON_HEIGHT - 1, border)
        for y in range(1, BUTTON_HEIGHT - 1):
            c.put(x, y, fill[y - 1])
    if inner:
        c.rect(x0 + 1, 1, x0 + 2 * CAP - 1, 2, inner)
        c.rect(x0 + 1, BUTTON_HEIGHT - 2, x0 + 2 * CAP - 1, BUTTON_HEIGHT - 1, inner)
        c.rect(x0 + 1, 1, x0 + 2, BUTTON_HEIGHT - 1, inner)
        c.rect(x0 + 2 * CAP - 2, 1, x0 + 2 * CAP - 1, BUTTON_HEIGHT - 1, inner)
    c.rect(x0, 0, x0 + 1, BUTTON_HEIGHT, border)
    c.rect(x0 + 2 * CAP - 1, 0, x0 + 2 * CAP, BUTTON_HEIGHT, border)
    # Rounded corners: the background shows through, the border runs diagonally.
    for (cx, cy, dx, dy) in ((x0, 0, 1, 1), (x0 + 2 * CAP - 1, 0, -1, 1),
                             (x0, BUTTON_HEIGHT - 1, 1, -1), (x0 + 2 * CAP - 1, BUTTON_HEIGHT - 1, -1, -1)):
        c.put(cx, cy, BEHIND)
        c.put(cx + dx, cy, BEHIND)
        c.put(cx, cy + dy, BEHIND)
        c.put(cx + 2 * dx, cy, border)
        c.put(cx + dx, cy + dy, border)
        c.put(cx, cy + 2 * dy, border)
    if focused:
        draw_focus_line(c, x0)


def draw_focus_line(c, x0):
    """Dotted rectangle 3 pixels inside the button; dots on even columns, in phase with the tile."""
    for x in range(x0 + 4, x0 + 2 * CAP - 3, 2):
        c.put(x, 3, FOCUS_DOT)
        c.put(x, BUTTON_HEIGHT - 4, FOCUS_DOT)
    for y in range(3, BUTTON_HEIGHT - 3, 2):
        c.put(x0 + 3, y, FOCUS_DOT)
        c.put(x0 + 2 * CAP - 4, y, FOCUS_DOT)


def draw_button():
    c = Canvas(6 * 2 * CAP + 2, BUTTON_HEIGHT)
    for i, (name, border, inner, top, bottom) in enumerate(LOOKS):
        draw_look(c, i * 2 * CAP, border, inner, top, bottom, name == "focused")
    # The focus tile: the first two columns of the focused look's right cap.
    focused_right = LOOKS.index(next(l for l in LOOKS if l[0] == "focused")) * 2 * CAP + CAP
    for y in range(BUTTON_HEIGHT):
        for dx in range(2):
            c.put(6 * 2 * CAP + dx, y, c.pixels[y][focused_right + dx])
    return c


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name, data in (("bg_left.bmp", bmp8(draw_left())), ("bg_right.bmp", bmp24(draw_right())),
                       ("button.bmp", bmp24(draw_button()))):
        with open(os.path.join(outdir, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
