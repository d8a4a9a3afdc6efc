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
#include <vector>

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

// Reads the rest of a file of unknown size (a pipe, a device, a file that
// grew), appending to `bytes`: in blocks that double up to kLargestBlock,
// joined at the end, so that a file that never ends is given up at `limit`
// having held no more than that, and not up to twice as much, as growing
// one string would.
FileFailure ReadBlocks(std::FILE* file, std::string& bytes, std::size_t limit) {
  constexpr std::size_t kLargestBlock = std::size_t{64} << 20;
  std::vector<std::string> blocks;
  std::size_t total = bytes.size();
  for (std::size_t size = kBlock;; size = std::min(size * 2, kLargestBlock)) {
    // One byte past the limit is enough to know that the file is too large.
    const std::size_t want = std::min(size, limit - std::min(total, limit) + 1);
    std::string block(want, '\0');
    const std::size_t got = std::fread(&block[0], 1, want, file);
    block.resize(got);
    total += got;
    if (total > limit) {
      bytes.clear();
      bytes.shrink_to_fit();
      return FileFailure::kTooLarge;
    }
    blocks.push_back(std::move(block));
    if (got < want) break;
  }
  if (bytes.empty() && blocks.size() == 1) {
    bytes = std::move(blocks[0]);
    return std::ferror(file) ? FileFailure::kCannotRead : FileFailure::kNone;
  }
  bytes.reserve(total + 1);
  for (std::string& block : blocks) {
    bytes += block;
    std::string().swap(block);
  }
  return std::ferror(file) ? FileFailure::kCannotRead : FileFailure::kNone;
}

}  // namespace

FileFailure ReadWholeFile(std::FILE* file, std::string& bytes, std::size_t limit) {
  bytes.clear();
  // A regular file's size is known: one allocation, one read.
  struct stat info;
  if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    if (static_cast<std::uintmax_t>(info.st_size) > limit) return FileFailure::kTooLarge;
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    BackWithHugePages(&bytes[0], bytes.capacity());
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    const std::size_t got = std::fread(&bytes[0], 1, bytes.size(), file);
    bytes.resize(got);
    if (got < static_cast<std::size_t>(info.st_size) + 1) {
      return std::ferror(file) ? FileFailure::kCannotRead : FileFailure::kNone;
    }
    // The file grew while it was read: the rest comes as from a pipe.
  }
  return ReadBlocks(file, bytes, limit);
}

FileStatus ReadFile(const std::string& name, std::string& bytes, std::size_t limit) {
  bytes.clear();
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) {
    return FileStatus::Failed(FileFailure::kCannotOpen, name, EISDIR);
  }
  errno = 0;
  FilePtr file(std::fopen(name.c_str(), "rb"));
  if (!file) return FileStatus::Failed(FileFailure::kCannotOpen, name, errno);
  errno = 0;
  const FileFailure failure = ReadWholeFile(file.get(), bytes, limit);
  if (failure != FileFailure::kNone) return FileStatus::Failed(failure, name, errno);
  return FileStatus::Success(name);
}

}  // namespace korvelin
