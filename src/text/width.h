// Display width: the columns a terminal gives what a reader sees as one
// character, and names padded and cut by them, so that the cells after a
// name line up whatever script it is written in.  A reader's character (a
// user-perceived character, or grapheme cluster) is a base with its
// combining marks, a Hangul syllable written in jamo, a flag of two regional
// indicators, or an emoji with its skin tone, variation selector and the
// emoji joined to it by zero-width joiners.  The widths and the joining come
// from one table (text/width_table.h), the same in every build.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/characters.h"

namespace korvelin {

// The columns the code point `c` takes on its own: none for a combining or
// enclosing mark, a format character (general categories Mn, Me, Cf) and a
// Hangul medial vowel or final consonant (U+1160..U+11FF); two for an East
// Asian wide or fullwidth character and one shown as emoji by default; one
// for any other, control characters and single bytes that are not UTF-8
// included.
int CharacterWidth(Character c);

// One user-perceived character: its bytes and the columns it takes.
struct Cluster {
  std::size_t length;  // 0 only for empty text
  std::size_t width;
};

// The user-perceived character at the start of `text`.  It takes the
// columns of its code points together, except that an emoji sequence (a
// pictograph with what joins it, a flag, a keycap, a character that U+FE0F
// shows as emoji) takes two, or one for a pictograph shown as text.  A byte
// that is not UTF-8 is a character of its own, one column wide.
Cluster FirstCluster(std::string_view text);

// The columns `text` takes.
std::size_t TextColumns(std::string_view text);

// Appends `text` cut after its last whole user-perceived character that
// fits in `most` columns, then spaces to make `width` columns: after it when
// `left`, before it otherwise.  A cut name whose next character is two
// columns wide and would straddle the edge therefore leaves a space there
// when `width` equals `most`.
void AppendColumns(std::string& out, std::string_view text, std::size_t width, std::size_t most,
                   bool left);

// `text` as tables show it: every control that sets the direction of the
// text after it (the embeddings, overrides and isolates U+202A..U+202E and
// U+2066..U+2069) written as U+FFFD, so that a name cannot turn the cells
// after it around.  Stored names keep them.
std::string ShownText(std::string_view text);

// AppendColumns of `text` as the screen shows it: as ShownText, and every
// control character (C0 but the tab, DEL and C1) written as U+FFFD too, so that a name
// (from a save file edited by hand) cannot send the terminal an escape
// sequence; each control counted as the one column of U+FFFD.  Exports
// keep the control characters for their own rules.
void AppendShownColumns(std::string& out, std::string_view text, std::size_t width,
                        std::size_t most, bool left);

}  // namespace korvelin
