// The width lookup: ASCII and the rest of the first 173 code points at
// once, any other character by a binary search over the table's ranges.
#include "text/width.h"

#include <algorithm>
#include <iterator>

#include "text/width_table.h"

namespace korvelin {

namespace {

// The search needs the ranges in order and apart.
constexpr bool InOrder() {
  for (std::size_t i = 0; i < std::size(kWidthRanges); ++i) {
    if (kWidthRanges[i].first > kWidthRanges[i].last) return false;
    if (i > 0 && kWidthRanges[i - 1].last >= kWidthRanges[i].first) return false;
  }
  return true;
}
static_assert(InOrder(), "text/width_table.h: ranges out of order");

}  // namespace

int CharacterWidth(Character c) {
  // A single byte that is not UTF-8 counts one, as a terminal shows one mark
  // for it; so does everything before the table's first range (ASCII too).
  if (c.length == 1 || c.code < kWidthRanges[0].first) return 1;
  const WidthRange* end = std::end(kWidthRanges);
  const WidthRange* after =
      std::upper_bound(std::begin(kWidthRanges), end, c.code,
                       [](char32_t code, const WidthRange& range) { return code < range.first; });
  if (after == std::begin(kWidthRanges)) return 1;
  const WidthRange& range = *std::prev(after);
  return c.code <= range.last ? range.width : 1;
}

void AppendColumns(std::string& out, std::string_view text, std::size_t width, std::size_t most,
                   bool left) {
  std::size_t taken = 0, columns = 0;
  while (taken < text.size()) {
    // ASCII, the usual case, is one byte and one column.
    const Character c = static_cast<unsigned char>(text[taken]) < 0x80
                            ? Character{static_cast<unsigned char>(text[taken]), 1}
                            : DecodeCharacter(text.substr(taken));
    const std::size_t w = static_cast<std::size_t>(CharacterWidth(c));
    if (columns + w > most) break;
    columns += w;
    taken += c.length;
  }
  const std::size_t fill = width > columns ? width - columns : 0;
  if (!left) out.append(fill, ' ');
  out.append(text.substr(0, taken));
  if (left) out.append(fill, ' ');
}

}  // namespace korvelin
