#!/usr/bin/env python3
"""Reads a run of icon pictures (PPM files from `kx_probe capture`) and tells
how the picture moved between them.

  frames.py ticks DIR [STEP]
                        prints how many steps of STEP pixels (2 if not
                        given) to the left the pictures show in all; exits 1
                        when two different pictures in a row are not the
                        earlier one moved left by a whole number of steps
                        with new columns on the right
"""
import pathlib
import sys


def read_ppm(path):
    data = path.read_bytes()
    parts = data.split(maxsplit=4)
    width, height = int(parts[1]), int(parts[2])
    pixels = parts[4]
    return [[pixels[(y * width + x) * 3:(y * width + x) * 3 + 3] for x in range(width)]
            for y in range(height)]


def steps_between(before, after, step):
    """The number of steps that turn `before` into `after`, or None."""
    width = len(before[0])
    for shift in range(step, width, step):
        if all(row_after[:width - shift] == row_before[shift:]
               for row_before, row_after in zip(before, after)):
            return shift // step
    return None


def ticks(folder, step):
    pictures = [read_ppm(p) for p in sorted(pathlib.Path(folder).glob('*.ppm'))]
    total = 0
    for before, after in zip(pictures, pictures[1:]):
        if before == after:
            continue
        steps = steps_between(before, after, step)
        if steps is None:
            print('a picture that is not the one before moved left', file=sys.stderr)
            return 1
        total += steps
    print(total)
    return 0


if __name__ == '__main__':
    if len(sys.argv) not in (3, 4) or sys.argv[1] != 'ticks':
        sys.exit(__doc__)
    sys.exit(ticks(sys.argv[2], int(sys.argv[3]) if len(sys.argv) == 4 else 2))
