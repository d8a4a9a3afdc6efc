// ASCII case: the program folds A-Z to a-z and nothing else, whatever the
// locale, so that command words, keywords, file extensions and name parts
// compare alike on every system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvelin {

// The one case fold: A-Z become a-z; every other byte stays as it is.
constexpr char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr int FoldCase(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// `text` with a-z made A-Z, as table names are shown in headings; every
// other byte stays as it is.
inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// Folds the first `limit` bytes of `word` in place.
inline void FoldCase(std::string& word, std::size_t limit = std::string::npos) {
  for (std::size_t i = 0; i < word.size() && i < limit; ++i) word[i] = FoldCase(word[i]);
}

// Whether `text` begins with `prefix`, case folded.
inline bool StartsWithFolded(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

// Whether `text` ends with `suffix`, case folded.
inline bool EndsWithFolded(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWithFolded(text.substr(text.size() - suffix.size()), suffix);
}

// Where `part` first occurs in `text`, case folded; npos when it does not.
inline std::size_t FindFolded(std::string_view text, std::string_view part) {
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (StartsWithFolded(text.substr(at), part)) return at;
  }
  return std::string_view::npos;
}

}  // namespace korvelin
