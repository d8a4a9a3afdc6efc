// Files read whole: a regular file in one allocation and one read, on huge
// pages when it is large.
#include "base/read_file.h"

#include <sys/stat.h>
#ifdef __linux__
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace korvelin {

namespace {

constexpr std::size_t kBlock = 1 << 16;  // bytes read at a time from a file of unknown size

// Asks Linux to back the 2 MiB pages inside [memory, memory + size) with
// huge pages: a large file read whole then takes a few dozen page faults
// instead of one for every 4 KiB.  Elsewhere, or for less, nothing.
void BackWithHugePages([[maybe_unused]] char* memory, [[maybe_unused]] std::size_t size) {
#ifdef __linux__
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(memory);
  const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (start + size) & ~(kHugePage - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

bool ReadWholeFile(std::FILE* file, std::string& bytes) {
  bytes.clear();
  // A regular file's size is known: one allocation, one read.
  struct stat info;
  if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    BackWithHugePages(&bytes[0], bytes.capacity());
  }
  for (;;) {
    const std::size_t had = bytes.size();
    const std::size_t want = std::max(kBlock, bytes.capacity() - had);
    bytes.resize(had + want);
    const std::size_t got = std::fread(&bytes[had], 1, want, file);
    bytes.resize(had + got);
    if (got < want) break;
  }
  return !std::ferror(file);
}

FileStatus ReadFile(const std::string& name, std::string& bytes) {
  bytes.clear();
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) {
    return FileStatus::Failed(FileFailure::kCannotOpen, name, EISDIR);
  }
  errno = 0;
  FilePtr file(std::fopen(name.c_str(), "rb"));
  if (!file) return FileStatus::Failed(FileFailure::kCannotOpen, name, errno);
  errno = 0;
  if (!ReadWholeFile(file.get(), bytes)) {
    return FileStatus::Failed(FileFailure::kCannotRead, name, errno);
  }
  return FileStatus::Success(name);
}

}  // namespace korvelin
