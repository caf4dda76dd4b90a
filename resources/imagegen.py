"""Small writers for the pictures the deliverables carry: BMP (8 and 24 bpp) and ICO (32 bpp).

Pictures are drawn by code into a Canvas, so the build makes them the same way every time.
"""
import struct


class Canvas:
    """Pixels as (r, g, b, a) tuples, row 0 at the top."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            if len(colour) == 3:
                colour = (*colour, 255)
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0, x0 + 1, y1, colour)
        self.rect(x1 - 1, y0, x1, y1, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, colour)


def _rows_bottom_up(canvas):
    return list(reversed(canvas.pixels))


def bmp24(canvas):
    row_size = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for row in _rows_bottom_up(canvas):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return _file_header(len(header), len(data)) + header + data


def bmp8(canvas):
    palette = []
    index = {}
    for row in canvas.pixels:
        for r, g, b, _ in row:
            if (r, g, b) not in index:
                if len(palette) == 256:
                    raise ValueError("more than 256 colours")
                index[(r, g, b)] = len(palette)
                palette.append((r, g, b))
    row_size = (canvas.width + 3) & ~3
    data = bytearray()
    for row in _rows_bottom_up(canvas):
        line = bytes(index[(r, g, b)] for r, g, b, _ in row)
        data += line + b"\0" * (row_size - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + b"\0\0\0\0" * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    return _file_header(len(header) + len(table), len(data)) + header + table + data


def _file_header(headers_size, data_size):
    offset = 14 + headers_size
    return struct.pack("<2sIHHI", b"BM", offset + data_size, 0, 0, offset)


def ico(canvases):
    """An icon file with one 32-bpp image per canvas (alpha kept, AND mask from alpha)."""
    images = []
    for c in canvases:
        xor = bytearray()
        for row in _rows_bottom_up(c):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_row = ((c.width + 31) // 32) * 4
        mask = bytearray()
        for row in _rows_bottom_up(c):
            bits = bytearray(mask_row)
            for x, (_, _, _, a) in enumerate(row):
                if a < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(header + xor + mask)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)
