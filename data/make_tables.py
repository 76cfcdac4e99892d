#!/usr/bin/env python3
"""Writes glyphforgetool.ini, the conversion tables shipped beside the program.

Each preset is a section "[n]" with a Description, a MAX (highest character code) and
one "0xCC=0xUUUU" line per code whose Unicode character differs from the code itself;
codes without a line keep the identity mapping.

A byte that a code page leaves undefined is mapped to U+0000: a phone should show
nothing there rather than some unrelated Latin-1 character.

The loader allows comments only before the first section, so the file's comments stay
at its top. Usage: make_tables.py [output file], default: glyphforgetool.ini beside this script.
"""

import codecs
import os
import sys

# (Python codec, description). The first preset is the one generated at start-up.
CODE_PAGES = [
    ("cp1252", "Windows-1252 (Western European)"),
    ("cp1250", "Windows-1250 (Central European)"),
    ("cp1251", "Windows-1251 (Cyrillic)"),
    ("cp1253", "Windows-1253 (Greek)"),
    ("cp1254", "Windows-1254 (Turkish)"),
    ("cp1255", "Windows-1255 (Hebrew)"),
    ("cp1256", "Windows-1256 (Arabic)"),
    ("cp1257", "Windows-1257 (Baltic)"),
    ("cp1258", "Windows-1258 (Vietnamese)"),
    ("iso8859_1", "ISO-8859-1 (Latin-1, Western European)"),
    ("iso8859_2", "ISO-8859-2 (Latin-2, Central European)"),
    ("iso8859_3", "ISO-8859-3 (Latin-3, South European)"),
    ("iso8859_4", "ISO-8859-4 (Latin-4, North European)"),
    ("iso8859_5", "ISO-8859-5 (Cyrillic)"),
    ("iso8859_6", "ISO-8859-6 (Arabic)"),
    ("iso8859_7", "ISO-8859-7 (Greek)"),
    ("iso8859_8", "ISO-8859-8 (Hebrew)"),
    ("iso8859_9", "ISO-8859-9 (Latin-5, Turkish)"),
    ("iso8859_10", "ISO-8859-10 (Latin-6, Nordic)"),
    ("iso8859_11", "ISO-8859-11 (Thai)"),
    ("iso8859_13", "ISO-8859-13 (Latin-7, Baltic Rim)"),
    ("iso8859_14", "ISO-8859-14 (Latin-8, Celtic)"),
    ("iso8859_15", "ISO-8859-15 (Latin-9, Western European with Euro)"),
    ("iso8859_16", "ISO-8859-16 (Latin-10, South-Eastern European)"),
    ("koi8_r", "KOI8-R (Russian)"),
    ("koi8_u", "KOI8-U (Ukrainian)"),
    ("cp437", "CP437 (DOS United States)"),
    ("cp866", "CP866 (DOS Cyrillic)"),
    ("cp874", "CP874 (Windows Thai)"),
]


def code_page_entries(codec_name):
    """(code, unicode) for every byte whose character differs from the byte value."""
    decoder = codecs.getdecoder(codec_name)
    entries = []
    for code in range(256):
        try:
            text, _ = decoder(bytes([code]), "strict")
        except UnicodeDecodeError:
            text = "\x00"
        unicode = ord(text) if len(text) == 1 else 0
        if unicode != code:
            entries.append((code, unicode))
    return entries


def section(number, description, last_code, entries):
    lines = ["[%d]" % number, "Description=" + description, "MAX=0x%X" % last_code]
    lines += ["0x%02X=0x%04X" % entry for entry in entries]
    return lines


def build_lines():
    lines = [
        "; GlyphForgeTool Unicode conversion tables, written by make_tables.py.",
        "; One section per preset: Description, MAX (highest character code) and",
        "; code=unicode lines for the codes that do not map to themselves.",
        "; No comments are allowed inside a section.",
        "",
    ]
    presets = [(description, 0xFF, code_page_entries(codec)) for codec, description in CODE_PAGES]
    presets.insert(1, ("ASCII (7-bit)", 0x7F, []))
    # A compressed (4 color) font holds at most 13104 glyphs and any font at most 65535, so
    # the whole plane fits the 2 color type only; U+FFFF is a noncharacter and stays out.
    presets.append(("Unicode 0000-FFFE (full plane, for the 2 color type)", 0xFFFE, []))
    presets.append(("Unicode 0000-32FF (for the 4 color types)", 0x32FF, []))
    for number, (description, last_code, entries) in enumerate(presets, start=1):
        lines += section(number, description, last_code, entries)
        lines.append("")
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "glyphforgetool.ini")
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(build_lines()))


if __name__ == "__main__":
    main()
