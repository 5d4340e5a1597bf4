#!/usr/bin/python3
"""make_icon.py OUTPUT -- draws the program's icon: a table of records in the
old layout on the left, an arrow, and the same table on the right.

One design, in units of the 32 x 32 grid, drawn four times: the 32 x 32
image with 16 colours (766 bytes, each pixel the shape under its centre), and
smooth 32-bit images of 32 and 48 pixels and, as PNG, of 256 pixels. At 16
and 24 pixels a reduction would smear the table's lines to grey: those two
are drawn pixel by pixel for their size (PIXEL_ART) and stored as 32-bit
images. The same bytes on every run; no image library."""
import struct
import sys
import zlib

# The 16 colours of the standard Windows palette, as red, green, blue.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, NAVY, GREY, YELLOW, BLUE, WHITE = 0, 3, 4, 8, 11, 12, 15
SMOOTH_SIZES = (32, 48, 256)
PNG_SIZE = 256

# The design at 16 and 24 pixels, a letter a pixel: k black, n navy, w white,
# g grey, b blue, y yellow, o olive; "." is clear.
LETTERS = {"k": BLACK, "n": NAVY, "w": WHITE, "g": GREY, "b": BLUE, "y": YELLOW, "o": OLIVE}
PIXEL_ART = {
    16: """
................
................
kkkkkk..........
knnnnk..........
knnnnk..........
kwgwwk..........
kggggk..o.kkkkkk
kwgwwkooookbbbbk
kggggkooookbbbbk
kwgwwk..o.kygyyk
kkkkkk....kggggk
..........kygyyk
..........kggggk
..........kygyyk
..........kkkkkk
................
""",
    24: """
........................
........................
........................
kkkkkkkkk...............
knnnnnnnk...............
knnnnnnnk...............
kwwgwwwwk...............
kwwgwwwwk...............
kgggggggk...o...........
kwwgwwwwk...oo.kkkkkkkkk
kwwgwwwwkooooookbbbbbbbk
kgggggggkooooookbbbbbbbk
kwwgwwwwkooooookyygyyyyk
kwwgwwwwk...oo.kyygyyyyk
kkkkkkkkk...o..kgggggggk
...............kyygyyyyk
...............kyygyyyyk
...............kgggggggk
...............kyygyyyyk
...............kyygyyyyk
...............kkkkkkkkk
........................
........................
........................
""",
}


def design():
    """The shapes, painted in order: ("box", left, top, right, bottom, colour)
    with edges on the grid, and ("triangle", points, colour)."""
    shapes = []

    def box(left, top, right, bottom, colour):  # the grid cells left..right, top..bottom
        shapes.append(("box", left, top, right + 1, bottom + 1, colour))

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
    shapes.append(("triangle", ((16, 12.5), (20.4, 17.5), (16, 22.5)), OLIVE))  # and its head
    return shapes


def inside(shape, x, y):
    if shape[0] == "box":
        _, left, top, right, bottom, _ = shape
        return left <= x < right and top <= y < bottom
    (x0, y0), (x1, y1), (x2, y2) = shape[1]
    sides = [(xb - xa) * (y - ya) - (yb - ya) * (x - xa)
             for (xa, ya), (xb, yb) in (((x0, y0), (x1, y1)), ((x1, y1), (x2, y2)), ((x2, y2), (x0, y0)))]
    return all(side >= 0 for side in sides) or all(side <= 0 for side in sides)


def bounds(shape):
    if shape[0] == "box":
        return shape[1:5]
    xs = [point[0] for point in shape[1]]
    ys = [point[1] for point in shape[1]]
    return min(xs), min(ys), max(xs), max(ys)


def palette_pixels(shapes):
    """32 x 32 palette indices, rows from the top, None where the icon is clear."""
    pixels = [[None] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            for shape in shapes:
                if inside(shape, x + 0.5, y + 0.5):
                    pixels[y][x] = shape[-1]
    return pixels


def smooth_pixels(shapes, size, samples=4):
    """size x size (red, green, blue, alpha), rows from the top: each pixel
    the average of samples x samples points, each the topmost shape's colour."""
    scale = 32 / size
    step = 1 / samples
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            red = green = blue = covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    gx = (x + (sx + 0.5) * step) * scale
                    gy = (y + (sy + 0.5) * step) * scale
                    colour = None
                    for shape in shapes:
                        left, top, right, bottom = bounds(shape)
                        if left <= gx <= right and top <= gy <= bottom and inside(shape, gx, gy):
                            colour = shape[-1]
                    if colour is not None:
                        r, g, b = PALETTE[colour]
                        red, green, blue, covered = red + r, green + g, blue + b, covered + 1
            if covered:
                row.append((red // covered, green // covered, blue // covered, 255 * covered // samples**2))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def art_pixels(size):
    """The pixel art of `size` as (red, green, blue, alpha), rows from the top."""
    rows = PIXEL_ART[size].split()
    assert len(rows) == size and all(len(row) == size for row in rows), size
    return [[(*PALETTE[LETTERS[letter]], 255) if letter != "." else (0, 0, 0, 0) for letter in row]
            for row in rows]


def and_mask(rows, clear):
    """The AND mask, rows bottom to top, each padded to 32 bits; 1 where clear."""
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray((len(row) + 31) // 32 * 4)
        for x, pixel in enumerate(row):
            if clear(pixel):
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(mask)


def palette_image(pixels):
    xor = bytearray()
    for row in reversed(pixels):
        for x in range(0, 32, 2):
            high, low = (c or 0 for c in row[x:x + 2])
            xor.append(high << 4 | low)
    mask = and_mask(pixels, lambda colour: colour is None)
    colours = b"".join(struct.pack("<4B", blue, green, red, 0) for red, green, blue in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    return header + colours + bytes(xor) + mask


def bitmap_image(pixels):
    size = len(pixels)
    xor = b"".join(struct.pack("<4B", b, g, r, a) for row in reversed(pixels) for r, g, b, a in row)
    mask = and_mask(pixels, lambda pixel: pixel[3] == 0)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def png_image(pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    size = len(pixels)
    raw = b"".join(b"\0" + bytes(value for pixel in row for value in pixel) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_file(images):
    """images: (size, colour count, bits per pixel, bytes); 256 is written as 0."""
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, colours, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return directory + b"".join(image[3] for image in images)


def icon_bytes():
    shapes = design()
    images = [(32, 16, 4, palette_image(palette_pixels(shapes)))]
    images += [(size, 0, 32, bitmap_image(art_pixels(size))) for size in sorted(PIXEL_ART)]
    for size in SMOOTH_SIZES:
        pixels = smooth_pixels(shapes, size, 2 if size == PNG_SIZE else 4)
        images.append((size, 0, 32, png_image(pixels) if size == PNG_SIZE else bitmap_image(pixels)))
    return icon_file(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
