// A web page's tables as tab-separated lines, written over the page itself.
#include "text/web_table.h"

#include <algorithm>
#include <string_view>

#include "text/ascii.h"
#include "text/characters.h"

namespace korvelin {

namespace {

bool IsHtmlSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(int c) { return (FoldCase(c) >= 'a' && FoldCase(c) <= 'z'); }

// The characters a named reference stands for.
struct NamedReference {
  const char* name;
  const char* text;
};
constexpr NamedReference kNamedReferences[] = {
    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\xC2\xA0"},
};

// Walks the page once, writing the rows at `out_`, which never passes the
// place being read (`in_`): every piece of markup is at least as long as
// what it is written as.
class TableText {
 public:
  explicit TableText(std::string& page) : page_(page) {}

  void Run() {
    while (in_ < page_.size()) {
      const char c = page_[in_];
      if (c == '<' && Tag()) continue;
      if (c == '&' && in_cell_) {
        Reference();
        continue;
      }
      ++in_;
      if (!in_cell_) continue;
      if (IsHtmlSpace(static_cast<unsigned char>(c))) {
        space_ = true;
      } else {
        Text(std::string_view(&c, 1));
      }
    }
    EndRow();
    page_.resize(out_);
  }

 private:
  // Writes text into the open cell, after the space a run of white space
  // before it left, unless that run began the cell.
  void Text(std::string_view text) {
    if (space_ && cell_has_text_) page_[out_++] = ' ';
    space_ = false;
    cell_has_text_ = true;
    for (char c : text) page_[out_++] = c;
  }

  void StartCell() {
    if (!in_row_) in_row_ = true;
    if (cells_++ > 0) page_[out_++] = '\t';
    in_cell_ = true;
    cell_has_text_ = false;
    space_ = false;
  }

  void EndRow() {
    if (in_row_ && cells_ > 0) page_[out_++] = '\n';
    in_row_ = in_cell_ = false;
    cells_ = 0;
  }

  // Whether the page goes on at `at` with `word`, case folded.
  bool Ahead(std::size_t at, std::string_view word) const {
    return at <= page_.size() && StartsWithFolded(std::string_view(page_).substr(at), word);
  }

  // Skips past the first `end` from `in_` on (case folded), or to the end.
  void SkipPast(std::string_view end) {
    while (in_ < page_.size() && !Ahead(in_, end)) ++in_;
    in_ = std::min(page_.size(), in_ + end.size());
  }

  // Reads the markup at a "<": false when it is no tag ("a < b"), which is
  // then text.
  bool Tag() {
    const std::size_t start = in_;
    if (Ahead(start, "<!--")) {
      in_ += 4;
      SkipPast("-->");
      return true;
    }
    std::size_t at = start + 1;
    const bool closing = at < page_.size() && page_[at] == '/';
    if (closing) ++at;
    const bool declaration = at < page_.size() && (page_[at] == '!' || page_[at] == '?');
    if (!declaration && (at >= page_.size() || !IsLetter(static_cast<unsigned char>(page_[at])))) {
      return false;
    }
    std::string name;
    while (at < page_.size() && (IsLetter(static_cast<unsigned char>(page_[at])) ||
                                 (page_[at] >= '0' && page_[at] <= '9'))) {
      name += FoldCase(page_[at++]);
    }
    // The attributes, whose quoted values may hold a ">".
    char quote = 0;
    for (; at < page_.size(); ++at) {
      const char c = page_[at];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        break;
      }
    }
    in_ = std::min(page_.size(), at + 1);
    if (declaration) return true;
    Element(name, closing);
    return true;
  }

  void Element(const std::string& name, bool closing) {
    if ((name == "script" || name == "style") && !closing) {
      SkipPast("</" + name);
      SkipPast(">");
    } else if (name == "tr") {
      EndRow();
      in_row_ = !closing;
    } else if (name == "table") {
      EndRow();
    } else if (name == "td" || name == "th") {
      if (closing) {
        in_cell_ = false;
      } else {
        StartCell();
      }
    } else if (in_cell_ && (name == "br" || name == "p" || name == "div")) {
      space_ = true;
    }
  }

  // Decodes the character reference at a "&" in a cell; an "&" that begins
  // none is text.
  void Reference() {
    // Looked for close by only: a page of "&" without ";" is read once.
    constexpr std::size_t kLongest = 32;  // "&#x10FFFF;" and leading zeros
    const std::size_t near = std::string_view(page_).substr(in_, kLongest + 1).find(';');
    const std::size_t end = near == std::string_view::npos ? near : in_ + near;
    if (end == std::string::npos) {
      ++in_;
      Text("&");
      return;
    }
    const std::string_view body = std::string_view(page_).substr(in_ + 1, end - in_ - 1);
    for (const NamedReference& named : kNamedReferences) {
      if (body == named.name) {
        in_ = end + 1;
        Text(named.text);
        return;
      }
    }
    const bool hex = body.size() > 2 && body[0] == '#' && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(body.empty() ? 0 : (hex ? 2 : 1));
    long code = 0;
    bool number = !body.empty() && body[0] == '#' && !digits.empty();
    for (char d : digits) {
      const int c = FoldCase(static_cast<unsigned char>(d));
      const int value =
          c >= '0' && c <= '9' ? c - '0' : (hex && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1);
      if (value < 0) number = false;
      if (!number) break;
      if (code <= 0x10FFFF) code = code * (hex ? 16 : 10) + value;
    }
    if (!number) {
      ++in_;
      Text("&");
      return;
    }
    in_ = end + 1;
    if (IsHtmlSpace(static_cast<int>(code))) {
      space_ = true;
      return;
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    std::string bytes;
    AppendUtf8(bytes, static_cast<char32_t>(code));
    Text(bytes);
  }

  std::string& page_;
  std::size_t in_ = 0;   // the next byte to read
  std::size_t out_ = 0;  // where the next byte of text goes
  bool in_row_ = false;
  bool in_cell_ = false;
  int cells_ = 0;               // in the open row
  bool cell_has_text_ = false;  // the open cell has text
  bool space_ = false;          // white space came since its last text
};

}  // namespace

void WebTablesToText(std::string& page) { TableText(page).Run(); }

}  // namespace korvelin
