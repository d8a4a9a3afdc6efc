// Files read whole, and the handle that closes a file it owns.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "base/file_status.h"

namespace korvelin {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads the rest of `file` into `bytes`.  False when reading failed (an
// error, not the end of the file); `bytes` then holds what was read.
bool ReadWholeFile(std::FILE* file, std::string& bytes);

// Reads the whole file `name` into `bytes`.  A folder counts as a file that
// cannot be opened: it opens on some systems and would read as empty.
FileStatus ReadFile(const std::string& name, std::string& bytes);

}  // namespace korvelin
