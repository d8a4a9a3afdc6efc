// Shared set-up of the fuzz targets: a private working folder, a console
// that prints nowhere, and the checks every roster must pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "files/files.h"
#include "files/stat_table.h"
#include "roster/session.h"
#include "shell/shell.h"
#include "text/characters.h"
#include "text/save_header.h"
#include "text/utf16.h"

namespace korvelin {

namespace fuzz {

// Moves into a new private folder, once, so every file a target touches
// stays inside it.
inline void EnterPrivateFolder() {
  static bool entered = false;
  if (entered) return;
  entered = true;
  std::string pattern = (std::filesystem::temp_directory_path() / "korvelin-fuzz-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) std::abort();
  static std::string folder = pattern;
  std::filesystem::current_path(folder);
  std::atexit([] {
    std::error_code error;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
    std::filesystem::remove_all(folder, error);
  });
}

inline void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// The files a quiet console reads and writes.
struct QuietFiles {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::fopen("/dev/null", "w");
  explicit QuietFiles(const std::string& typed) {
    std::fwrite(typed.data(), 1, typed.size(), in);
    std::rewind(in);
  }
  ~QuietFiles() {
    std::fclose(in);
    std::fclose(out);
  }
  QuietFiles(const QuietFiles&) = delete;
  QuietFiles& operator=(const QuietFiles&) = delete;
};

// A console that reads `typed` and prints nowhere.
class QuietConsole : private QuietFiles, public Console {
 public:
  explicit QuietConsole(const std::string& typed)
      : QuietFiles(typed), Console(QuietFiles::in, QuietFiles::out) {}
};

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A name as a roster keeps it: up to its first NUL byte.
inline std::string_view Kept(std::string_view name) { return name.substr(0, name.find('\0')); }

// Every member's name is at most kNameBytes bytes without a NUL byte, and
// reads the same from a copy of the roster (whose name store is no larger
// than it must be, so that a name reaching past it trips the address
// sanitizer).
inline void CheckRoster(const Roster& roster) {
  const Roster copy = roster;
  if (copy.size() != roster.size()) std::abort();
  for (std::size_t i = 0; i < roster.size(); ++i) {
    const std::string_view name = roster.NameOf(roster[i]);
    if (name.size() > kNameBytes || name.find('\0') != std::string_view::npos) std::abort();
    if (copy.NameOf(copy[i]) != name) std::abort();
  }
}

// Whether `name` is as a table's row may give it: at most kNameLength
// characters, blanks made spaces, none at either end.
inline bool TrimmedName(std::string_view name) {
  return CountCharacters(name) <= kNameLength && name.find_first_of("\t\n\r") == name.npos &&
         (name.empty() || (name.front() != ' ' && name.back() != ' '));
}

// The rows a stat table yields: those a TableReader reads one by one, after
// UTF-16 is decoded and a byte-order mark skipped as LOAD and UPDATE do
// both, less every row whose ID an earlier row had (counted in `repeated`).
// Every row has an ID, a trimmed name, and the values it carries within
// those its table wants.
inline std::vector<TableRow> RowsOf(std::string bytes, int& skipped, int& repeated) {
  DecodeUtf16(bytes);
  TextStream in = TextStream::Memory(bytes);
  SkipByteOrderMark(in);
  TableReader table(in);
  std::vector<TableRow> rows;
  std::set<int> ids;
  TableRow row;
  skipped = repeated = 0;
  while (table.Next(row, skipped)) {
    if (row.member.id == 0 || !TrimmedName(row.name)) std::abort();
    if ((row.carried & ~row.wanted) != 0) std::abort();
    if (ids.insert(row.member.id).second) {
      rows.push_back(row);
    } else {
      ++repeated;
    }
  }
  return rows;
}

// Whether `member` holds the stats of `expected`.
inline bool SameStats(const Member& member, const Member& expected) {
  return member.id == expected.id && member.level == expected.level &&
         member.oldspeed == expected.oldspeed && member.oldpower == expected.oldpower &&
         member.oldstren == expected.oldstren && member.oldhealth == expected.oldhealth &&
         member.oldintel == expected.oldintel && member.oldbeg == expected.oldbeg &&
         member.newspeed == expected.newspeed && member.newpower == expected.newpower &&
         member.newstren == expected.newstren && member.newhealth == expected.newhealth &&
         member.newintel == expected.newintel && member.newbeg == expected.newbeg;
}

}  // namespace fuzz

}  // namespace korvelin
