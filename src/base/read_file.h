// Files read whole, and the handle that closes a file it owns.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "base/file_status.h"

namespace korvelin {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The most bytes a file read whole may hold: LOAD and UPDATE take no more,
// so that a device or a pipe that never ends (/dev/zero) cannot fill the
// memory.
constexpr std::size_t kReadLimit = std::size_t{1} << 30;

// Reads the rest of `file` into `bytes`: kNone, or kCannotRead when reading
// failed (an error, not the end of the file; `bytes` then holds what was
// read), or kTooLarge when it holds more than `limit` bytes (`bytes` is then
// empty, and no more than the limit was ever held).
FileFailure ReadWholeFile(std::FILE* file, std::string& bytes, std::size_t limit = kReadLimit);

// Reads the whole file `name` into `bytes`, at most `limit` bytes of it.  A
// folder counts as a file that cannot be opened: it opens on some systems
// and would read as empty.
FileStatus ReadFile(const std::string& name, std::string& bytes, std::size_t limit = kReadLimit);

}  // namespace korvelin
