#!/usr/bin/env python3
"""Builds the program's pictures from the text art in res/art.

    make_art.py ART_FOLDER OUT_FOLDER

writes into OUT_FOLDER:
    program.ico      the program icon: the emblem with orange dots, 16, 20, 24,
                     32 and 48 px (small and large icons at 100 to 300 %)
    emblem.ico       the same emblem with green dots (the title band's image)
    url_hand.cur     the link's pointing hand, 32 x 32 and doubled to 64 x 64
                     (for 200 %), two colours
    color_cells.bmp  the colour selectors' picture, 80 x 16, 24 bits
    art_pixels.cpp   the emblem and the selectors' picture as C++ text art,
                     so the portable drawing shows exactly what the
                     resources show

Art files: "#" starts a comment, "size W H" gives the grid, "colour C RRGGBB"
(or "colour C transparent") gives a character's colour, "hotspot X Y" a
cursor's hot spot; every other line is a row of the grid. Rows shorter than
the width are filled with the first colour named.

Standard library only, so the build needs nothing but Python 3.
"""

import os
import struct
import sys

# Emblem colours as RGB: the dots of the program icon, of the title band's
# image, and the unlit dots of both.
ORANGE = 0xFF9B37
GREEN = 0x00FF00
GREY = 0x404040
BLACK = 0x000000


class Art:
    def __init__(self, path):
        self.path = path
        self.width = self.height = 0
        self.legend = {}  # character -> RGB, or None for transparent
        self.hotspot = (0, 0)
        self.rows = []
        first = None
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                words = line.split()
                if not line or line.startswith("#"):
                    continue
                if words[0] == "size" and len(words) == 3:
                    self.width, self.height = int(words[1]), int(words[2])
                elif words[0] == "colour" and len(words) == 3:
                    value = None if words[2] == "transparent" else int(words[2], 16)
                    self.legend[words[1]] = value
                    first = first if first is not None else words[1]
                elif words[0] == "hotspot" and len(words) == 3:
                    self.hotspot = (int(words[1]), int(words[2]))
                else:
                    self.rows.append(line)
                    self.check(len(line) <= self.width, number, "row longer than the size")
        self.check(self.width > 0 and self.height > 0, 0, "no size")
        self.check(len(self.rows) <= self.height, 0, "more rows than the size")
        pad = first if first is not None else "."
        self.rows = [r.ljust(self.width, pad) for r in self.rows]
        self.rows += [pad * self.width] * (self.height - len(self.rows))
        if self.legend:
            for y, row in enumerate(self.rows):
                for ch in row:
                    self.check(ch in self.legend, y, "character %r has no colour" % ch)

    def check(self, ok, line, message):
        if not ok:
            sys.exit("%s:%d: %s" % (self.path, line, message))

    def colour(self, x, y):
        return self.legend[self.rows[y][x]]


def emblem_pixels(emblem, size):
    """The dot matrix as a size-square grid of 'L' lit, 'u' unlit, '.' black,
    drawn at its size rather than stretched: the dots on a pitch of size // 8
    (at least 2), each after a black gap of size // 16 (at least 1), the
    matrix centred. At 16 dot (c, r) is pixel (2c + 1, 2r + 1); 32 doubles
    every pixel of that."""
    pitch = max(2, size // 8)
    gap = max(1, size // 16)
    offset = (size - 8 * pitch) // 2
    grid = [["."] * size for _ in range(size)]
    for r in range(8):
        for c in range(8):
            ch = "L" if emblem.rows[r][c] == "#" else "u"
            for dy in range(gap, pitch):
                for dx in range(gap, pitch):
                    grid[offset + r * pitch + dy][offset + c * pitch + dx] = ch
    return ["".join(row) for row in grid]


def dib_rows(height, row_bytes):
    """Row order of a device-independent bitmap: bottom row first."""
    return [row_bytes(y) for y in range(height - 1, -1, -1)]


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def info_header(width, height, bits, colours):
    # Icons and cursors state twice the height: colour image and mask.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 0, 0, colours, 0)


def mask_bits(width, height, is_transparent):
    def row(y):
        out = bytearray((width + 7) // 8)
        for x in range(width):
            if is_transparent(x, y):
                out[x // 8] |= 0x80 >> (x % 8)
        return pad4(bytes(out))

    return b"".join(dib_rows(height, row))


def icon_image(grid, palette_rgb):
    """A 16-colour icon image of a grid of 'L', 'u' and '.'."""
    size = len(grid)
    index = {".": 0, "u": 1, "L": 2}
    palette = [BLACK, palette_rgb["u"], palette_rgb["L"]] + [BLACK] * 13
    colours = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)

    def row(y):
        out = bytearray(size // 2)
        for x in range(size):
            out[x // 2] |= index[grid[y][x]] << (4 if x % 2 == 0 else 0)
        return pad4(bytes(out))

    pixels = b"".join(dib_rows(size, row))
    return info_header(size, 2 * size, 4, 16) + colours + pixels + mask_bits(
        size, size, lambda x, y: False)


def icon_file(images, kind=1, colours=16):
    """images: (size, bytes), and for a cursor (size, bytes, hot spot). kind 1
    is an icon, 2 a cursor."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = len(head) + 16 * len(images)
    entries, data = b"", b""
    for size, image, *hotspot in images:
        if kind == 1:
            planes, bits = 1, 4
        else:
            planes, bits = hotspot[0]
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, planes, bits,
                               len(image), offset + len(data))
        data += image
    return head + entries + data


def cursor_file(art):
    assert art.width == art.height == 32, "a cursor is 32 x 32"
    colours = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)

    def image(factor):
        size = 32 * factor

        def colour(x, y):
            return art.colour(x // factor, y // factor)

        def row(y):
            out = bytearray(size // 8)
            for x in range(size):
                if colour(x, y) == 0xFFFFFF:
                    out[x // 8] |= 0x80 >> (x % 8)
            return pad4(bytes(out))

        return (size, info_header(size, 2 * size, 1, 2) + colours + b"".join(dib_rows(size, row)) +
                mask_bits(size, size, lambda x, y: colour(x, y) is None),
                (art.hotspot[0] * factor, art.hotspot[1] * factor))

    return icon_file([image(1), image(2)], kind=2, colours=2)


def bitmap_file(art):
    def row(y):
        out = bytearray()
        for x in range(art.width):
            c = art.colour(x, y)
            out += bytes((c & 0xFF, (c >> 8) & 0xFF, c >> 16))
        return pad4(bytes(out))

    pixels = b"".join(dib_rows(art.height, row))
    header = struct.pack("<IiiHHIIiiII", 40, art.width, art.height, 1, 24, 0, len(pixels), 2835,
                         2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                       14 + len(header)) + header + pixels


def bgr(rgb):
    """0x00BBGGRR, the program's colour order."""
    return "0x%02X%02X%02X%02X" % (0, rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16)


def cpp_function(name, comment, rows, legend):
    lines = ["// %s" % comment, "Surface %s() {" % name, "  static constexpr std::string_view kRows[] = {"]
    lines += ['      "%s",' % r for r in rows]
    lines += ["  };", "  static constexpr ArtColor kLegend[] = {"]
    lines += ["      {'%s', %s}," % (ch, bgr(c)) for ch, c in legend.items()]
    lines += ["  };", "  return SurfaceFromArt(kRows, kLegend);", "}", ""]
    return "\n".join(lines)


def cpp_source(emblem, cells):
    return "\n".join([
        "// Generated by tools/art/make_art.py from res/art: change the art there.",
        "// clang-format off",
        '#include "window/art_pixels.h"',
        "",
        "#include <string_view>",
        "",
        '#include "window/text_art.h"',
        "",
        "namespace kx {",
        "",
        cpp_function("EmblemPicture", "16 x 16: the emblem with green dots.",
                     emblem_pixels(emblem, 16), {".": BLACK, "u": GREY, "L": GREEN}),
        cpp_function("ColorCellsPicture", "80 x 16: the colour selectors' picture.", cells.rows,
                     cells.legend),
        "}  // namespace kx",
        "",
    ])


def write(folder, name, data):
    path = os.path.join(folder, name)
    mode = "w" if isinstance(data, str) else "wb"
    with open(path, mode, **({"encoding": "utf-8", "newline": "\n"} if mode == "w" else {})) as f:
        f.write(data)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    art_folder, out = argv[1], argv[2]
    os.makedirs(out, exist_ok=True)
    emblem = Art(os.path.join(art_folder, "emblem.txt"))
    emblem.check(emblem.width == emblem.height == 8, 0, "the emblem is 8 x 8")
    cells = Art(os.path.join(art_folder, "color_cells.txt"))
    cells.check((cells.width, cells.height) == (80, 16), 0, "the selectors' picture is 80 x 16")
    hand = Art(os.path.join(art_folder, "hand_cursor.txt"))

    for name, lit in (("program.ico", ORANGE), ("emblem.ico", GREEN)):
        palette = {"u": GREY, "L": lit}
        write(out, name, icon_file([(s, icon_image(emblem_pixels(emblem, s), palette))
                                    for s in (16, 20, 24, 32, 48)]))
    write(out, "url_hand.cur", cursor_file(hand))
    write(out, "color_cells.bmp", bitmap_file(cells))
    write(out, "art_pixels.cpp", cpp_source(emblem, cells))


if __name__ == "__main__":
    main(sys.argv)
