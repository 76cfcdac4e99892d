#!/usr/bin/env python3
"""Draws the two splash pictures: a 64 x 64 avatar (JPEG) and a 235 x 23 status strip (24-bit BMP).

Exact magenta (255, 0, 255) marks what is cut out of the splash window, so the corners
outside the rounded shapes are painted with it.

Needs cjpeg (Debian package libjpeg-turbo-progs). Run from anywhere:
    python3 data/make_pictures.py
"""

import math
import os
import struct
import subprocess
import tempfile

KEY = (255, 0, 255)
SUPERSAMPLE = 4
HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "splash")


def inside_rounded_rect(x, y, width, height, radius):
    cx = min(max(x, radius), width - radius)
    cy = min(max(y, radius), height - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def render(width, height, shade):
    """Shade(x, y) gives a colour or None (outside); pixels are averaged over sub-samples.
    A pixel with no covered sub-sample becomes the key colour."""
    rows = []
    step = 1.0 / SUPERSAMPLE
    for py in range(height):
        row = []
        for px in range(width):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    colour = shade(px + (sx + 0.5) * step, py + (sy + 0.5) * step)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered == 0:
                row.append(KEY)
                continue
            samples = SUPERSAMPLE * SUPERSAMPLE
            average = tuple(total[i] / covered for i in range(3))
            # Edge pixels blend towards a dark rim rather than towards magenta.
            row.append(mix((40, 40, 60), average, covered / samples))
        rows.append(row)
    return rows


def avatar_shade(x, y):
    size = 64
    if not inside_rounded_rect(x, y, size, size, 14):
        return None
    top, bottom = (70, 120, 200), (30, 60, 130)
    tile = mix(top, bottom, y / size)
    cx, cy = 32.0, 32.0
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    angle = math.degrees(math.atan2(-dy, dx))  # 0 = right, counter-clockwise positive
    ring = 13.0 <= r <= 22.0 and not (0.0 <= angle <= 45.0)
    bar = 32.0 <= x <= 54.0 and 30.0 <= y <= 36.5 and r <= 22.0
    stem = 47.5 <= x <= 54.0 and 30.0 <= y <= 42.0 and r <= 22.0
    if ring or bar or stem:
        return (250, 250, 245)
    return tile


def strip_shade(x, y):
    width, height = 235, 23
    if not inside_rounded_rect(x, y, width, height, 6):
        return None
    top, bottom = (235, 238, 245), (190, 200, 220)
    return mix(top, bottom, y / height)


def write_bmp24(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    image_size = stride * height
    header = b"BM" + struct.pack("<IHHI", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info)
        for row in reversed(rows):  # BMP rows run bottom-up
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
            f.write(data + b"\0" * (stride - len(data)))


def write_jpeg(path, rows):
    height, width = len(rows), len(rows[0])
    with tempfile.NamedTemporaryFile(suffix=".ppm", delete=False) as ppm:
        ppm.write(b"P6\n%d %d\n255\n" % (width, height))
        for row in rows:
            ppm.write(b"".join(bytes(pixel) for pixel in row))
        ppm_path = ppm.name
    try:
        with open(path, "wb") as out:
            subprocess.run(["cjpeg", "-quality", "95", "-sample", "1x1", "-optimize", ppm_path],
                           stdout=out, check=True)
    finally:
        os.unlink(ppm_path)


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    write_jpeg(os.path.join(OUT_DIR, "avatar.jpg"), render(64, 64, avatar_shade))
    write_bmp24(os.path.join(OUT_DIR, "textback.bmp"), render(235, 23, strip_shade))


if __name__ == "__main__":
    main()
