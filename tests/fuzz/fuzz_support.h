// Shared set-up of the fuzz targets: a private working folder, a console
// that prints nowhere, and a fresh roster for every input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "console/console.h"
#include "files/files.h"
#include "list/list.h"
#include "roster/masks.h"
#include "shell/shell.h"

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

// The console reads `typed` and prints nowhere.
struct QuietConsole {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::fopen("/dev/null", "w");
  explicit QuietConsole(const std::string& typed) {
    std::fwrite(typed.data(), 1, typed.size(), in);
    std::rewind(in);
    AttachConsole(in, out);
  }
  ~QuietConsole() {
    AttachConsole(stdin, stdout);
    std::fclose(in);
    std::fclose(out);
  }
};

// The globals as the program sets them up at start.
inline void FreshRoster() {
  CreateStart();
  displayoptions = MakeRecord();
  MainDisplay();
  TempReset();
  ListSortDirection() = 3;
  ListSortOption() = 3;
}

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzz
