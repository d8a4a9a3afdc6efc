#!/usr/bin/env python3
"""Writes src/text/width_table.h, the columns a terminal gives each character,
from Unicode's data files (Debian: unicode-data, in /usr/share/unicode).

    tools/width_table.py [UNICODE_FOLDER] > src/text/width_table.h

A character takes no column when its general category is Mn, Me or Cf or it
is a Hangul medial vowel or final consonant (U+1160..U+11FF); two when its
East_Asian_Width is W or F; one otherwise.  The table lists the ranges of
code points that do not take one column, in order.
"""

import re
import sys

LAST = 0x10FFFF
PER_LINE = 4


def code_range(field):
    first, _, last = field.strip().partition("..")
    return int(first, 16), int(last or first, 16)


def zero_width(folder):
    """The code points of general category Mn, Me or Cf."""
    zero = set()
    range_start = None
    with open(f"{folder}/UnicodeData.txt", encoding="utf-8") as data:
        for line in data:
            fields = line.split(";")
            code, name, category = int(fields[0], 16), fields[1], fields[2]
            if name.endswith(", First>"):
                range_start = code
                continue
            first = range_start if name.endswith(", Last>") else code
            range_start = None
            if category in ("Mn", "Me", "Cf"):
                zero.update(range(first, code + 1))
    zero.update(range(0x1160, 0x11FF + 1))
    return zero


def double_width(folder):
    """The code points whose East_Asian_Width is W or F, and the data's version."""
    wide = set()
    # Unassigned code points in these blocks are W unless the file lists them.
    for first, last in ((0x3400, 0x4DBF), (0x4E00, 0x9FFF), (0xF900, 0xFAFF),
                        (0x20000, 0x2FFFD), (0x30000, 0x3FFFD)):
        wide.update(range(first, last + 1))
    with open(f"{folder}/EastAsianWidth.txt", encoding="utf-8") as data:
        version = re.match(r"# EastAsianWidth-(.*)\.txt", data.readline()).group(1)
        for line in data:
            line = line.split("#")[0].strip()
            if not line:
                continue
            field, value = line.split(";")
            first, last = code_range(field)
            codes = range(first, last + 1)
            if value.strip() in ("W", "F"):
                wide.update(codes)
            else:
                wide.difference_update(codes)
    return wide, version


def ranges(zero, wide):
    """The runs of code points of one width other than one, in order."""
    runs = []
    for code in range(LAST + 1):
        width = 0 if code in zero else 2 if code in wide else 1
        if width == 1:
            continue
        if runs and runs[-1][1] == code - 1 and runs[-1][2] == width:
            runs[-1][1] = code
        else:
            runs.append([code, code, width])
    return runs


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    zero = zero_width(folder)
    wide, version = double_width(folder)
    runs = ranges(zero, wide)
    cells = [f"{{0x{first:04X}, 0x{last:04X}, {width}}}," for first, last, width in runs]
    lines = [" ".join(cells[i:i + PER_LINE]) for i in range(0, len(cells), PER_LINE)]
    out = sys.stdout
    out.write(f"""\
// The columns a terminal gives a character, for Unicode {version}: written by
// tools/width_table.py from UnicodeData.txt and EastAsianWidth.txt.  Do not
// edit it; run the script again.
#pragma once

// Code points first to last take `width` columns.
struct WidthRange {{
  char32_t first;
  char32_t last;
  unsigned char width;
}};

// The code points that take no column or two, in order; every other one
// takes one.
// clang-format off
constexpr WidthRange kWidthRanges[] = {{
""")
    for line in lines:
        out.write(f"    {line}\n")
    out.write("};\n// clang-format on\n")


if __name__ == "__main__":
    main()
