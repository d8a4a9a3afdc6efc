// The width lookup, a binary search over the table's ranges, and the
// joining of code points into user-perceived characters by Unicode's
// grapheme cluster rules.  ASCII followed by ASCII, the usual case, is one
// column and a character of its own without a lookup.
#include "text/width.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "text/width_table.h"

namespace korvelin {

namespace {

using character_table::kRanges;

// The search needs the ranges in order and apart.
constexpr bool InOrder() {
  for (std::size_t i = 0; i < std::size(kRanges); ++i) {
    if (kRanges[i].first > kRanges[i].last) return false;
    if (i > 0 && kRanges[i - 1].last >= kRanges[i].first) return false;
  }
  return true;
}
static_assert(InOrder(), "text/width_table.h: ranges out of order");

constexpr char32_t kFirstSyllable = 0xAC00, kLastSyllable = 0xD7A3;
constexpr char32_t kJoinerSyllables = 28;  // an LV syllable and its 27 LVT
constexpr char32_t kEmojiSelector = 0xFE0F;

// A code point as the joining rules see it.
struct CodePoint {
  char32_t code;
  std::size_t length;
  std::size_t width;
  Joining joining;
};

// The table's range holding `code`, or null for one column and kOther.
const CharacterRange* RangeOf(char32_t code) {
  const CharacterRange* after =
      std::upper_bound(std::begin(kRanges), std::end(kRanges), code,
                       [](char32_t c, const CharacterRange& range) { return c < range.first; });
  if (after == std::begin(kRanges)) return nullptr;
  const CharacterRange* range = std::prev(after);
  return code <= range->last ? range : nullptr;
}

CodePoint CodePointAt(std::string_view text) {
  const Character c = DecodeCharacter(text);
  // A byte that is not UTF-8 stands alone, as a control does.
  if (c.length == 1 && c.code >= 0x80) return {c.code, 1, 1, Joining::kControl};
  const CharacterRange* range = RangeOf(c.code);
  if (range == nullptr) return {c.code, c.length, 1, Joining::kOther};
  Joining joining = range->joining;
  if (c.code >= kFirstSyllable && c.code <= kLastSyllable &&
      (c.code - kFirstSyllable) % kJoinerSyllables == 0) {
    joining = Joining::kLV;
  }
  return {c.code, c.length, range->width, joining};
}

bool IsControl(Joining j) {
  return j == Joining::kControl || j == Joining::kCR || j == Joining::kLF;
}

}  // namespace

int CharacterWidth(Character c) {
  // A single byte that is not UTF-8 counts one, as a terminal shows one mark
  // for it; ASCII, controls included, counts one too.
  if (c.length == 1) return 1;
  const CharacterRange* range = RangeOf(c.code);
  return range == nullptr ? 1 : range->width;
}

Cluster FirstCluster(std::string_view text) {
  if (text.empty()) return {0, 0};
  const CodePoint first = CodePointAt(text);
  std::size_t length = first.length, sum = first.width, widest = first.width;
  Joining before = first.joining;
  bool pictograph = before == Joining::kPictographic;  // a pictograph, then marks only
  bool joined = false;  // that, then a zero-width joiner: the next pictograph joins
  bool odd_flags = before == Joining::kRegionalIndicator;  // an unpaired regional indicator
  bool emoji_selector = false;
  while (length < text.size()) {
    const CodePoint next = CodePointAt(text.substr(length));
    const Joining after = next.joining;
    using J = Joining;
    bool joins;
    if (before == J::kCR && after == J::kLF) {
      joins = true;
    } else if (IsControl(before) || IsControl(after)) {
      joins = false;
    } else {
      joins = (before == J::kL &&
               (after == J::kL || after == J::kV || after == J::kLV || after == J::kLVT)) ||
              ((before == J::kLV || before == J::kV) && (after == J::kV || after == J::kT)) ||
              ((before == J::kLVT || before == J::kT) && after == J::kT) || after == J::kExtend ||
              after == J::kZWJ || after == J::kSpacingMark || before == J::kPrepend ||
              (after == J::kPictographic && joined) ||
              (after == J::kRegionalIndicator && odd_flags);
    }
    if (!joins) break;
    joined = after == J::kZWJ && pictograph;
    if (after != J::kExtend) pictograph = after == J::kPictographic;
    odd_flags = after == J::kRegionalIndicator && !odd_flags;
    if (next.code == kEmojiSelector) emoji_selector = true;
    sum += next.width;
    widest = std::max(widest, next.width);
    length += next.length;
    before = after;
  }
  const bool emoji = first.joining == Joining::kPictographic ||
                     first.joining == Joining::kRegionalIndicator ||
                     (first.joining == Joining::kEmojiStyle && emoji_selector);
  if (!emoji) return {length, sum};
  return {length, widest == 2 || emoji_selector ? std::size_t{2} : std::size_t{1}};
}

namespace {

// The user-perceived character at the start of `text`, at once for an
// ASCII character that another ASCII one (or the end) follows: nothing in
// ASCII joins the character before it, and only a carriage return joins
// the one after.
Cluster NextCluster(std::string_view text) {
  const auto byte = static_cast<unsigned char>(text[0]);
  if (byte < 0x80 && byte != '\r' &&
      (text.size() == 1 || static_cast<unsigned char>(text[1]) < 0x80)) {
    return {1, 1};
  }
  return FirstCluster(text);
}

// The length of the control at `text[at]` that is shown as U+FFFD, or 0:
// a direction control (three bytes) and, with `characters`, a control
// character: C0 but the tab, which a terminal shows as spaces, or DEL (one
// byte), or C1 (U+0080..U+009F, two bytes).  A byte 80..9F alone is a
// character of a single-byte text (Windows-1252's euro sign is 80), not a
// control.
std::size_t ControlLength(std::string_view text, std::size_t at, bool characters) {
  const auto first = static_cast<unsigned char>(text[at]);
  if (characters && ((first < 0x20 && first != '\t') || first == 0x7F)) return 1;
  if (at + 1 >= text.size()) return 0;
  const auto second = static_cast<unsigned char>(text[at + 1]);
  if (first == 0xC2) return characters && second >= 0x80 && second <= 0x9F ? 2 : 0;
  if (first != 0xE2 || at + 2 >= text.size()) return 0;
  const auto third = static_cast<unsigned char>(text[at + 2]);
  // The embeddings, overrides and isolates are E2 80 AA..AE and E2 81 A6..A9.
  const bool direction = (second == 0x80 && third >= 0xAA && third <= 0xAE) ||
                         (second == 0x81 && third >= 0xA6 && third <= 0xA9);
  return direction ? 3 : 0;
}

// Whether the eight bytes at `bytes` are all printable ASCII (20..7E): a
// byte below 20 or above 7E sets its top bit in x - 20, x + 1 or x itself
// (in the lowest such byte no borrow or carry comes in, so none is missed).
bool PrintableWord(const char* bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kTops = kOnes << 7;
  std::uint64_t x;
  std::memcpy(&x, bytes, sizeof x);
  return (((x - kOnes * 0x20) | (x + kOnes) | x) & kTops) == 0;
}

// Whether `text` holds a control that AppendShownColumns replaces.  Most
// names are printable ASCII, which eight bytes at a time tell at once (the
// last eight overlapping the eight before, a short name padded with
// spaces); the others are looked at byte by byte.
bool HasShownControl(std::string_view text) {
  if (text.empty()) return false;
  bool printable = true;
  if (text.size() < 8) {
    char word[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::memcpy(word, text.data(), text.size());
    printable = PrintableWord(word);
  } else {
    for (std::size_t at = 0; printable && at + 8 < text.size(); at += 8) {
      printable = PrintableWord(text.data() + at);
    }
    printable = printable && PrintableWord(text.data() + text.size() - 8);
  }
  if (printable) return false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (ControlLength(text, at, true) != 0) return true;
  }
  return false;
}

// `text` with each control ControlLength finds written as U+FFFD.
std::string Replaced(std::string_view text, bool characters) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t control = ControlLength(text, i, characters);
    if (control != 0) {
      shown += "\xEF\xBF\xBD";
      i += control - 1;
    } else {
      shown += text[i];
    }
  }
  return shown;
}

}  // namespace

std::size_t TextColumns(std::string_view text) {
  std::size_t columns = 0;
  while (!text.empty()) {
    const Cluster cluster = NextCluster(text);
    columns += cluster.width;
    text.remove_prefix(cluster.length);
  }
  return columns;
}

void AppendColumns(std::string& out, std::string_view text, std::size_t width, std::size_t most,
                   bool left) {
  std::size_t taken = 0, columns = 0;
  while (taken < text.size()) {
    const Cluster cluster = NextCluster(text.substr(taken));
    if (columns + cluster.width > most) break;
    columns += cluster.width;
    taken += cluster.length;
  }
  const std::size_t fill = width > columns ? width - columns : 0;
  if (!left) out.append(fill, ' ');
  out.append(text.substr(0, taken));
  if (left) out.append(fill, ' ');
}

std::string ShownText(std::string_view text) { return Replaced(text, false); }

void AppendShownColumns(std::string& out, std::string_view text, std::size_t width,
                        std::size_t most, bool left) {
  if (HasShownControl(text)) {
    AppendColumns(out, Replaced(text, true), width, most, left);
  } else {
    AppendColumns(out, text, width, most, left);
  }
}

}  // namespace korvelin
