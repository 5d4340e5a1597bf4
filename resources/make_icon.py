#!/usr/bin/python3
"""make_icon.py OUTPUT -- draws the program's icon: a table of records in the
old layout on the left, an arrow, and the same table on the right; one
32 x 32 image with 16 colours, 766 bytes, the same bytes on every run."""
import struct
import sys

SIZE = 32
# The 16 colours of the standard Windows palette, as red, green, blue.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, NAVY, GREY, YELLOW, BLUE, WHITE = 0, 3, 4, 8, 11, 12, 15
TRANSPARENT = None


def draw():
    """Rows top to bottom of palette indices, None where the icon is clear."""
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def box(left, top, right, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour

    def table(left, top, header, cells):
        box(left, top, left + 11, top + 17, BLACK)           # frame
        box(left + 1, top + 1, left + 10, top + 3, header)   # the header row
        box(left + 1, top + 4, left + 10, top + 16, cells)
        for y in range(top + 6, top + 16, 3):                # records
            box(left + 1, y, left + 10, y, GREY)
        box(left + 4, top + 4, left + 4, top + 16, GREY)     # a field boundary

    table(1, 3, NAVY, WHITE)
    table(20, 11, BLUE, YELLOW)
    box(13, 16, 16, 18, OLIVE)                               # the arrow's shaft
    for i in range(4):                                       # and its head
        box(16 + i, 13 + i, 16 + i, 21 - i, OLIVE)
    return pixels


def icon_bytes(pixels):
    # Bitmap rows are stored bottom to top.
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for x in range(0, SIZE, 2):
            high, low = (c or 0 for c in row[x:x + 2])
            xor.append(high << 4 | low)
        bits = 0
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                bits |= 1 << (SIZE - 1 - x)
        mask += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<4B", blue, green, red, 0) for red, green, blue in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    data = icon_bytes(draw())
    assert len(data) == 766, len(data)
    with open(sys.argv[1], "wb") as out:
        out.write(data)
