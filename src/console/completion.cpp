// Completion of the word before the cursor, from the words a prompt takes or
// from the file names of a folder, at the prompt the line leads to.
#include "console/completion.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "text/ascii.h"

namespace korvelin {

namespace {

// The entries of the folder named by `prefix` up to its last "/" that begin
// with the rest of it.
void AddFileNames(const std::string& prefix, std::vector<std::string>& matches) {
  const std::size_t slash = prefix.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : prefix.substr(0, slash + 1);
  const std::string start = prefix.substr(folder.size());
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().string();
    if (!StartsWithFolded(name, start) || (name[0] == '.' && (start.empty() || start[0] != '.'))) {
      continue;
    }
    std::error_code kind_error;
    const bool is_folder = entries->is_directory(kind_error);
    matches.push_back(folder + name + (is_folder ? "/" : ""));
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The prompt after `word` at the prompt that offers `offered`; null for
// nothing.
const Completion* After(const Completion& offered, std::string_view word) {
  Then then = offered.then;
  if (offered.kind == Completion::Kind::kWords) {
    for (const OfferedWord& taken : offered.words) {
      if (std::string_view(taken.word).size() == word.size() &&
          StartsWithFolded(taken.word, word)) {
        then = taken.then;
        break;
      }
    }
  }
  return then == nullptr ? nullptr : &then();
}

}  // namespace

const Completion& FileNames() {
  static const Completion offered{Completion::Kind::kFileNames, {}, nullptr};
  return offered;
}

WordAtCursor FollowLine(const Completion& first, std::string_view line) {
  const Completion* offered = &first;
  std::size_t at = 0;
  for (;;) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    WordAtCursor cursor{offered, at, std::string(), false};
    std::size_t end;
    std::string_view word;
    if (offered->kind == Completion::Kind::kFileNames && at < line.size() && line[at] == '"') {
      // A quote closed right at the cursor still ends the word there.
      const std::size_t close = line.find('"', at + 1);
      cursor.quoted = true;
      if (close == std::string_view::npos || close + 1 == line.size()) {
        cursor.prefix =
            line.substr(at + 1, close == std::string_view::npos ? close : close - at - 1);
        return cursor;
      }
      word = line.substr(at + 1, close - at - 1);
      end = close + 1;
    } else {
      end = line.find_first_of(" \t", at);
      if (end == std::string_view::npos) {
        cursor.prefix = line.substr(at);
        return cursor;
      }
      word = line.substr(at, end - at);
    }
    offered = After(*offered, word);
    if (offered == nullptr) return WordAtCursor{nullptr, line.size(), std::string(), false};
    at = end;
  }
}

std::vector<std::string> Complete(const Completion& completion, const std::string& prefix) {
  std::vector<std::string> matches;
  for (const OfferedWord& offered : completion.words) {
    if (StartsWithFolded(offered.word, prefix)) matches.emplace_back(offered.word);
  }
  if (completion.kind == Completion::Kind::kFileNames) AddFileNames(prefix, matches);
  std::sort(matches.begin(), matches.end());
  matches.erase(std::unique(matches.begin(), matches.end()), matches.end());
  return matches;
}

std::string SharedStart(const std::vector<std::string>& matches) {
  if (matches.empty()) return std::string();
  std::size_t length = matches[0].size();
  for (const std::string& match : matches) {
    std::size_t same = 0;
    while (same < length && same < match.size() &&
           FoldCase(match[same]) == FoldCase(matches[0][same])) {
      ++same;
    }
    length = same;
  }
  return matches[0].substr(0, length);
}

std::string CompletionText(const Completion& completion, const std::vector<std::string>& matches,
                           bool quoted) {
  if (matches.empty()) return std::string();
  std::string text = matches.size() == 1 ? matches[0] : SharedStart(matches);
  const bool folder = !text.empty() && text.back() == '/';
  if (completion.kind == Completion::Kind::kFileNames) {
    for (const std::string& match : matches) {
      quoted = quoted || match.find_first_of(" \t") != std::string::npos || match[0] == '"' ||
               match[0] == '\\';
    }
  } else {
    quoted = false;
  }
  if (quoted) text.insert(0, 1, '"');
  if (matches.size() == 1 && !folder) text += quoted ? "\" " : " ";
  return text;
}

}  // namespace korvelin
