// File stamps: the system's own identity, size and time of a file.
#include "base/file_stamp.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#endif

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

}  // namespace

FileStamp StampFile(const std::string& name) {
  FileStamp stamp;
  const fs::path path = FullName(name);
  if (Look(path, stamp)) stamp.path = path.u8string();
  return stamp;
}

bool ChangedSince(const FileStamp& stamp, const std::string& name) {
  if (stamp.path.empty()) return false;
  const FileStamp now = StampFile(name);
  return now.path == stamp.path && !now.SameFileAs(stamp);
}

}  // namespace korvelin
