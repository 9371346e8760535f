#!/usr/bin/env python3
"""Writes simple stand-ins for the program's pictures into a folder, so the
resources build before the real art exists: program.ico, emblem.ico,
url_hand.cur and color_cells.bmp."""
import struct
import sys
from pathlib import Path

CELL_COLOURS = [(0, 255, 0), (255, 192, 32), (255, 96, 96), (64, 64, 255)]  # RGB


def dib(width, height, pixel, with_mask):
    """A bottom-up 32-bit DIB (header and pixels); icons add an AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * (2 if with_mask else 1), 1, 32,
                         0, 0, 0, 0, 0, 0)
    rows = b""
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = pixel(x, y)
            rows += struct.pack("<BBBB", b, g, r, 255)
    mask = b""
    if with_mask:
        stride = ((width + 31) // 32) * 4
        mask = bytes(stride * height)  # all opaque
    return header + rows + mask


def icon_file(kind, size, pixel, hotspot=(0, 0)):
    image = dib(size, size, pixel, True)
    planes, bits = (1, 32) if kind == 1 else hotspot
    return (struct.pack("<HHH", 0, kind, 1) +
            struct.pack("<BBBBHHII", size, size, 0, 0, planes, bits, len(image), 22) + image)


def program_pixel(x, y):
    inside = 2 <= x <= 13 and 2 <= y <= 13
    return (255, 160, 32) if inside else (32, 32, 96)


def emblem_pixel(x, y):
    return (255, 255, 255) if (x + y) % 4 == 0 else (255, 96, 0)


def hand_pixel(x, y):
    return (0, 0, 0) if x in (5, 6) or y == 10 else (255, 255, 255)


def bitmap_file(width, height, pixel):
    image = dib(width, height, pixel, False)
    return struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, 14 + 40) + image


def cells_pixel(x, y):
    return CELL_COLOURS[min(x // 16, 3)]


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "program.ico").write_bytes(icon_file(1, 16, program_pixel))
    (out / "emblem.ico").write_bytes(icon_file(1, 16, emblem_pixel))
    (out / "url_hand.cur").write_bytes(icon_file(2, 32, hand_pixel, hotspot=(5, 0)))
    (out / "color_cells.bmp").write_bytes(bitmap_file(64, 16, cells_pixel))


if __name__ == "__main__":
    main()
