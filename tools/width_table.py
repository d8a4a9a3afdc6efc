#!/usr/bin/env python3
"""Writes src/text/width_table.h, the columns a terminal gives each character
and how characters join into the characters a reader sees, from Unicode's
data files (Debian: unicode-data, in /usr/share/unicode).

    tools/width_table.py [UNICODE_FOLDER] > src/text/width_table.h

A character takes no column when its general category is Mn, Me or Cf or it
is a Hangul medial vowel or final consonant (U+1160..U+11FF); two when its
East_Asian_Width is W or F or it is shown as emoji by default
(Emoji_Presentation); one otherwise.

How it joins is its Grapheme_Cluster_Break, with two more kinds for what
other characters may turn into emoji: Extended_Pictographic, and the bases
that U+FE0F shows as emoji (emoji-variation-sequences.txt) without being
pictographic (the keycaps' digits, "#" and "*").  The Hangul syllables are
one range of kind LVT: the program tells LV from LVT by position, every 28th
from U+AC00 being LV, which is checked here against the data.

The table lists the ranges of code points that do not take one column or do
not join as Other, in order.
"""

import re
import sys

LAST = 0x10FFFF
PER_LINE = 2
SYLLABLES = (0xAC00, 0xD7A3)

# The kinds as the program names them, the default first.
KINDS = ["Other", "CR", "LF", "Control", "Extend", "ZWJ", "RegionalIndicator",
         "Prepend", "SpacingMark", "L", "V", "T", "LV", "LVT", "Pictographic",
         "EmojiStyle"]


def code_range(field):
    first, _, last = field.strip().partition("..")
    return int(first, 16), int(last or first, 16)


def properties(path):
    """Each value of a property file with the code points that have it."""
    values = {}
    with open(path, encoding="utf-8") as data:
        for line in data:
            line = line.split("#")[0].strip()
            if not line:
                continue
            field, value = line.split(";")[:2]
            first, last = code_range(field)
            values.setdefault(value.strip(), set()).update(range(first, last + 1))
    return values


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


def double_width(folder, emoji):
    """The code points whose East_Asian_Width is W or F or that are shown as
    emoji by default, and the data's version."""
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
    wide.update(emoji["Emoji_Presentation"])
    return wide, version


def emoji_style_bases(folder):
    """The code points that U+FE0F after them shows as emoji."""
    bases = set()
    with open(f"{folder}/emoji/emoji-variation-sequences.txt", encoding="utf-8") as data:
        for line in data:
            line = line.split("#")[0].strip()
            if line and "emoji style" in line:
                bases.add(int(line.split()[0], 16))
    return bases


def joining(folder, emoji):
    """Each code point's kind, where it is not Other."""
    kinds = {}
    breaks = properties(f"{folder}/auxiliary/GraphemeBreakProperty.txt")
    for value, codes in breaks.items():
        kind = "RegionalIndicator" if value == "Regional_Indicator" else value
        assert kind in KINDS, value
        for code in codes:
            kinds[code] = kind
    pictographic = emoji["Extended_Pictographic"]
    for code in pictographic:
        assert code not in kinds, hex(code)
        kinds[code] = "Pictographic"
    for code in emoji_style_bases(folder) - pictographic:
        assert code not in kinds, hex(code)
        kinds[code] = "EmojiStyle"
    first, last = SYLLABLES
    for code in range(first, last + 1):
        assert kinds[code] == ("LV" if (code - first) % 28 == 0 else "LVT"), hex(code)
        kinds[code] = "LVT"
    return kinds


def ranges(zero, wide, kinds):
    """The runs of code points of one width and kind other than one column
    and Other, in order."""
    runs = []
    for code in range(LAST + 1):
        width = 0 if code in zero else 2 if code in wide else 1
        kind = kinds.get(code, "Other")
        if width == 1 and kind == "Other":
            continue
        if runs and runs[-1][1] == code - 1 and runs[-1][2:] == [width, kind]:
            runs[-1][1] = code
        else:
            runs.append([code, code, width, kind])
    return runs


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    emoji = properties(f"{folder}/emoji/emoji-data.txt")
    zero = zero_width(folder)
    wide, version = double_width(folder, emoji)
    runs = ranges(zero, wide, joining(folder, emoji))
    cells = [f"{{0x{first:04X}, 0x{last:04X}, {width}, J::k{kind}}},"
             for first, last, width, kind in runs]
    lines = [" ".join(cells[i:i + PER_LINE]) for i in range(0, len(cells), PER_LINE)]
    names = [f"k{kind}," for kind in KINDS]
    kinds = "\n".join("  " + " ".join(names[i:i + 6]) for i in range(0, len(names), 6))
    out = sys.stdout
    out.write(f"""\
// The columns a terminal gives a character, and how characters join into
// the characters a reader sees, for Unicode {version}: written by
// tools/width_table.py from UnicodeData.txt, EastAsianWidth.txt,
// GraphemeBreakProperty.txt, emoji-data.txt and
// emoji-variation-sequences.txt.  Do not edit it; run the script again.
#pragma once

// clang-format off
namespace korvelin {{

// How a character joins its neighbours (its Grapheme_Cluster_Break), with
// Extended_Pictographic as kPictographic and the other bases that U+FE0F
// shows as emoji as kEmojiStyle.  The Hangul syllables are all kLVT here:
// every 28th from U+AC00 is an LV.
enum class Joining : unsigned char {{
{kinds}
}};

// Code points first to last take `width` columns and join as `joining`.
struct CharacterRange {{
  char32_t first;
  char32_t last;
  unsigned char width;
  Joining joining;
}};

namespace character_table {{

using J = Joining;

// The code points that take no column or two, or join as other than
// kOther, in order; every other one takes one column and joins as kOther.
constexpr CharacterRange kRanges[] = {{
""")
    for line in lines:
        out.write(f"    {line}\n")
    out.write("};\n\n}  // namespace character_table\n\n}  // namespace korvelin\n// clang-format on\n")


if __name__ == "__main__":
    main()
