// FileStatus: what reading or writing a file came to.  Readers and writers
// return one and print nothing; the command that asked says what it means.
#pragma once

#include <string>

namespace korvelin {

enum class FileFailure {
  kNone,         // success
  kCannotOpen,   // the file could not be opened (or is a folder, or its name is refused)
  kCannotRead,   // reading failed part-way
  kTooLarge,     // it holds more than a reader takes (or never ends: a device, a pipe)
  kCannotWrite,  // creating, writing, flushing or replacing it failed
  kInterrupted   // Ctrl-C stopped it; a file written is left as it was
};

struct FileStatus {
  FileFailure failure = FileFailure::kNone;
  std::string file;  // the file's name as given
  int error = 0;     // errno (or the system's error code) of the failing call; 0 when none

  static FileStatus Success(std::string file) { return {FileFailure::kNone, std::move(file), 0}; }
  static FileStatus Failed(FileFailure failure, std::string file, int error) {
    return {failure, std::move(file), error};
  }
  bool ok() const { return failure == FileFailure::kNone; }
};

// The system's own words for `error` (an errno value), such as "Permission
// denied" or "No space left on device"; empty for 0.
std::string SystemReason(int error);

}  // namespace korvelin
