// File stamps: the system's own identity, size and time of a file.
#include "base/file_stamp.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "base/read_file.h"

namespace korvelin {

namespace fs = std::filesystem;

namespace {

// The full name of the file `name` stands for: symbolic links followed,
// through folders too, so that two names of one file compare equal.
fs::path FullName(const std::string& name) {
  std::error_code error;
  fs::path path = fs::weakly_canonical(fs::path(name), error);
  if (error) path = fs::absolute(fs::path(name), error).lexically_normal();
  return path;
}

#ifdef _WIN32

bool Look(const fs::path& path, FileStamp& stamp) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!known) return false;
  stamp.volume = info.dwVolumeSerialNumber;
  stamp.index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  stamp.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  stamp.modified =
      static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                info.ftLastWriteTime.dwLowDateTime);
  return true;
}

#else

bool Look(const fs::path& path, FileStamp& stamp) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  stamp.volume = static_cast<std::uint64_t>(st.st_dev);
  stamp.index = static_cast<std::uint64_t>(st.st_ino);
  stamp.size = static_cast<std::uint64_t>(st.st_size);
#ifdef __APPLE__
  const timespec& written = st.st_mtimespec;
#else
  const timespec& written = st.st_mtim;
#endif
  stamp.modified = static_cast<std::int64_t>(written.tv_sec) * 1000000000 + written.tv_nsec;
  return true;
}

#endif

// A 64-bit checksum of a run of bytes, eight at a time, the same however
// the run comes in pieces.
class Checksum {
 public:
  void Add(std::string_view bytes) {
    total_ += bytes.size();
    if (held_ > 0) {
      const std::size_t take = std::min(bytes.size(), sizeof tail_ - held_);
      std::memcpy(tail_ + held_, bytes.data(), take);
      held_ += take;
      bytes.remove_prefix(take);
      if (held_ < sizeof tail_) return;
      Mix(Word(tail_));
      held_ = 0;
    }
    for (; bytes.size() >= sizeof tail_; bytes.remove_prefix(sizeof tail_)) Mix(Word(bytes.data()));
    std::memcpy(tail_, bytes.data(), bytes.size());
    held_ = bytes.size();
  }
  std::uint64_t Value() {
    std::memset(tail_ + held_, 0, sizeof tail_ - held_);
    Mix(Word(tail_) ^ total_);
    return state_ ^ (state_ >> 31);
  }

 private:
  static std::uint64_t Word(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
  }
  void Mix(std::uint64_t word) {
    state_ = (state_ ^ word) * 0x9E3779B97F4A7C15u;
    state_ ^= state_ >> 29;
  }
  std::uint64_t state_ = 0x243F6A8885A308D3u;
  std::uint64_t total_ = 0;
  char tail_[8];
  std::size_t held_ = 0;
};

// Reads the regular file at `path` whole into a checksum; false when it
// cannot be read.
bool Sum(const fs::path& path, std::uint64_t& checksum) {
#ifdef _WIN32
  FilePtr file(_wfopen(path.c_str(), L"rb"));
#else
  FilePtr file(std::fopen(path.c_str(), "rb"));
#endif
  if (!file) return false;
  Checksum sum;
  std::vector<char> block(1 << 16);
  std::size_t got;
  while ((got = std::fread(block.data(), 1, block.size(), file.get())) > 0) {
    sum.Add(std::string_view(block.data(), got));
  }
  if (std::ferror(file.get())) return false;
  checksum = sum.Value();
  return true;
}

bool IsRegular(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Takes the checksum of a regular file small enough to read at each look.
void AddChecksum(const fs::path& path, FileStamp& stamp) {
  stamp.summed = stamp.size <= kMostSummed && IsRegular(path) && Sum(path, stamp.checksum);
}

// The stamp of the file `name`, its checksum taken of `bytes` (null: of
// the file) when they are the file's size.
FileStamp StampOf(const std::string& name, const std::string_view* bytes) {
  FileStamp stamp;
  const fs::path path = FullName(name);
  if (!Look(path, stamp)) return stamp;
  stamp.path = path.u8string();
  if (bytes == nullptr || stamp.size != bytes->size() || stamp.size > kMostSummed ||
      !IsRegular(path)) {
    AddChecksum(path, stamp);
    return stamp;
  }
  Checksum sum;
  sum.Add(*bytes);
  stamp.checksum = sum.Value();
  stamp.summed = true;
  return stamp;
}

}  // namespace

FileStamp StampFile(const std::string& name) { return StampOf(name, nullptr); }

FileStamp StampFile(const std::string& name, std::string_view bytes) {
  return StampOf(name, &bytes);
}

bool ChangedSince(const FileStamp& stamp, const std::string& name) {
  if (stamp.path.empty()) return false;
  const fs::path path = FullName(name);
  FileStamp now;
  if (!Look(path, now) || path.u8string() != stamp.path) return false;
  if (!now.SameFileAs(stamp)) return true;
  // Same size and time: only the bytes can tell an edit in place.
  if (!stamp.summed) return false;
  AddChecksum(path, now);
  return now.summed && now.checksum != stamp.checksum;
}

}  // namespace korvelin
