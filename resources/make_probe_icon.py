"""Draws icon 128 of TK560Probe: a PIN-pad reader with a card and a check mark."""
import sys

from imagegen import Canvas, ico

BODY = (48, 56, 72)
KEYS = (210, 214, 222)
SCREEN = (120, 200, 150)
CARD = (230, 190, 60)
CHECK = (40, 160, 60)


def draw(size):
    c = Canvas(size, size)
    s = size / 32.0
    def r(x0, y0, x1, y1, colour):
        c.rect(round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s), colour)
    r(9, 1, 23, 12, CARD)            # card sticking out of the slot
    r(11, 3, 21, 5, (250, 230, 150))
    r(4, 9, 28, 31, BODY)            # reader body
    r(7, 11, 25, 16, SCREEN)         # display
    for row in range(3):
        for col in range(3):
            r(8 + col * 6, 18 + row * 4, 12 + col * 6, 21 + row * 4, KEYS)
    # check mark, lower right
    for i in range(5):
        c.disc(round((20 + i) * s), round((24 + i) * s), max(1, 1.3 * s), CHECK)
    for i in range(8):
        c.disc(round((24 + i * 0.9) * s), round((28 - i * 1.6) * s), max(1, 1.3 * s), CHECK)
    return c


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(ico([draw(32), draw(16)]))
