// FileStamp: a file as it was at one moment (which file it is, its size,
// when it was last written and a checksum of its bytes), so that a later
// look can tell whether anything has written it since.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvelin {

struct FileStamp {
  std::string path;           // the file's full name, links followed; empty: no file
  std::uint64_t volume = 0;   // with `index`, which file it is: the device (the
  std::uint64_t index = 0;    // volume) and the file's number on it
  std::uint64_t size = 0;     // bytes
  std::int64_t modified = 0;  // when last written, in the system's finest unit
  // A checksum of the bytes, taken of a regular file of up to kMostSummed
  // bytes: an edit in place whose time was put back still changes it.
  bool summed = false;
  std::uint64_t checksum = 0;

  // The same file, of the same size and time (the checksums are not looked at).
  bool SameFileAs(const FileStamp& other) const {
    return volume == other.volume && index == other.index && size == other.size &&
           modified == other.modified;
  }
};

// Files larger than this are told apart by their size and time alone:
// reading them whole at each look would take too long.
constexpr std::uint64_t kMostSummed = std::uint64_t{256} << 20;

// The stamp of the file `name` now, its checksum included; its path is
// empty when there is none (or it cannot be looked at).
FileStamp StampFile(const std::string& name);
// The same of the file `name` whose bytes were just read whole: while the
// file still has their size, their checksum stands for the file's, which
// saves reading it again.
FileStamp StampFile(const std::string& name, std::string_view bytes);

// Whether `name` names the file `stamp` was taken of (the same full name,
// links followed) and that name now holds a changed file: one written since
// (its size, time or checksum differ), or another file put in its place.
// False when either has no file.
bool ChangedSince(const FileStamp& stamp, const std::string& name);

}  // namespace korvelin
