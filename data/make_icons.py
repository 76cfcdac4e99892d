#!/usr/bin/env python3
"""Draws the program's icon: a bitmap "G" with its outline ring, in the tool's own preview look
(a glyph on the grey cell inside a magenta frame), on a rounded slate tile.

The picture is pixel art on a 16 x 16 grid. Each PNG scales the grid by a whole factor, so the
glyph stays crisp at every size; only the tile's rounded corners are smoothed. The SVG holds
the same grid for the scalable size.

Usage: make_icons.py [output folder], default: icons/ beside this script. Writes
glyphforgetool-<size>.png for the hicolor sizes and glyphforgetool.svg.
"""

import os
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
GRID = 16

TILE = (44, 62, 80)
CELL = (128, 128, 128)   # background of a glyph in the preview
FRAME = (255, 0, 255)    # the preview's frame colour
OUTLINE = (0, 0, 0)
INK = (255, 255, 255)

TILE_RADIUS = 3.0        # in grid units
TILE_INSET = 0.5

LETTER = (
    ".###.",
    "#...#",
    "#....",
    "#.###",
    "#...#",
    "#...#",
    ".###.",
)
LETTER_LEFT, LETTER_TOP = 5, 4          # first ink column and row on the grid
FRAME_BOX = (3, 2, 12, 13)              # left, top, right, bottom, inclusive


def grid_pixels():
    """Colour of every grid cell inside the frame (None: the tile shows through)."""
    ink = {(LETTER_LEFT + x, LETTER_TOP + y)
           for y, row in enumerate(LETTER) for x, c in enumerate(row) if c == "#"}
    left, top, right, bottom = FRAME_BOX
    pixels = {}
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x in (left, right) or y in (top, bottom):
                pixels[(x, y)] = FRAME
            elif (x, y) in ink:
                pixels[(x, y)] = INK
            elif any((x + dx, y + dy) in ink for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                pixels[(x, y)] = OUTLINE
            else:
                pixels[(x, y)] = CELL
    return pixels


def inside_tile(u, v):
    """True when the grid point (u, v) lies on the rounded tile."""
    lo, hi = TILE_INSET, GRID - TILE_INSET
    if not (lo <= u <= hi and lo <= v <= hi):
        return False
    cu = min(max(u, lo + TILE_RADIUS), hi - TILE_RADIUS)
    cv = min(max(v, lo + TILE_RADIUS), hi - TILE_RADIUS)
    return (u - cu) ** 2 + (v - cv) ** 2 <= TILE_RADIUS ** 2


def tile_coverage(x, y, scale, samples=4):
    """Share of output pixel (x, y) that the tile covers, by supersampling."""
    hits = 0
    for sy in range(samples):
        for sx in range(samples):
            u = (x + (sx + 0.5) / samples) / scale
            v = (y + (sy + 0.5) / samples) / scale
            hits += inside_tile(u, v)
    return hits / (samples * samples)


def render(size):
    """RGBA rows of the icon at the given size."""
    scale = size // GRID
    pixels = grid_pixels()
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            colour = pixels.get((x // scale, y // scale))
            if colour is not None:
                row += bytes(colour) + b"\xff"
            else:
                alpha = round(255 * tile_coverage(x, y, scale))
                row += bytes(TILE if alpha else (0, 0, 0)) + bytes((alpha,))
        rows.append(bytes(row))
    return rows


def png(rows, width, height):
    """An 8-bit RGBA PNG: signature, IHDR, one zlib-compressed IDAT, IEND."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    def hex_colour(c):
        return "#%02x%02x%02x" % c

    side = GRID - 2 * TILE_INSET
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 %d %d">'
        % (GRID, GRID),
        '  <title>GlyphForgeTool</title>',
        '  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>'
        % (TILE_INSET, TILE_INSET, side, side, TILE_RADIUS, hex_colour(TILE)),
        '  <g shape-rendering="crispEdges">',
    ]
    for (x, y), colour in sorted(grid_pixels().items(), key=lambda item: (item[0][1], item[0][0])):
        parts.append('    <rect x="%d" y="%d" width="1" height="1" fill="%s"/>'
                     % (x, y, hex_colour(colour)))
    parts += ["  </g>", "</svg>", ""]
    return "\n".join(parts)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(folder, "glyphforgetool-%d.png" % size), "wb") as out:
            out.write(png(render(size), size, size))
    with open(os.path.join(folder, "glyphforgetool.svg"), "w", encoding="utf-8") as out:
        out.write(svg())


if __name__ == "__main__":
    main()
