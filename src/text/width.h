// Display width: the columns a terminal gives a character, and names padded
// and cut by them, so that the cells after a name line up whatever script
// it is written in.  The widths come from one table (text/width_table.h),
// the same in every build.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/characters.h"

namespace korvelin {

// The columns `c` takes: none for a combining or enclosing mark, a format
// character (general categories Mn, Me, Cf) and a Hangul medial vowel or
// final consonant (U+1160..U+11FF); two for an East Asian wide or fullwidth
// character (emoji shown as emoji among them); one for any other, control
// characters and single bytes that are not UTF-8 included.
int CharacterWidth(Character c);

// Appends `text` cut after its last whole character that fits in `most`
// columns (characters of no width right after it are kept), then spaces to
// make `width` columns: after it when `left`, before it otherwise.  A cut
// name whose next character is two columns wide and would straddle the edge
// therefore leaves a space there when `width` equals `most`.
void AppendColumns(std::string& out, std::string_view text, std::size_t width, std::size_t most,
                   bool left);

}  // namespace korvelin
