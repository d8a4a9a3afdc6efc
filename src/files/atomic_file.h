// A file replaced in one step: after a save, its name holds either the old
// contents or the new ones, whole, even after a crash or a power cut.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/file_status.h"

namespace korvelin {

// The new contents go to a temporary file beside the old one, reach the
// disk, and only then take the old file's place; the folder is flushed
// after.  Just before, the old file becomes NAME.bak beside it (replacing
// an earlier one).  A device or a pipe is written where it stands, without
// any of these steps.  A symbolic link is followed to the file it names and
// stays a link; the backup is the named file's.
//
// Temporary files are named ".NAME.saving-PID-N" (PID the number of the
// writing process, N counting from 0).  Open removes those of earlier saves
// of the same file whose process is no longer running: a save killed
// part-way leaves its temporary file behind.
class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // A file opened but not committed is abandoned: its temporary file goes.
  ~AtomicFile();

  // Gets ready to write `name`.  Fails when it cannot be written: a folder,
  // a missing folder, a read-only file, a folder that takes no new file.
  [[nodiscard]] FileStatus Open(const std::string& name);
  // Adds bytes to the file.  A failure is kept for Commit to report.
  void Write(std::string_view bytes);
  // Puts everything written in place.  Fails when a write, the flush to
  // the disk or the backup failed: the old file is then untouched and the
  // temporary file removed.  A folder that cannot be flushed after the
  // replacement is not a failure: the new file is in place by then.
  [[nodiscard]] FileStatus Commit();

 private:
  bool Drain();                  // writes the buffer out
  void Abandon();                // closes and removes the temporary file
  FileStatus Failed(int error);  // notes the first failure and its error
  bool Backup();                 // makes the old file NAME.bak
  std::filesystem::path TemporaryName(int attempt) const;

  std::filesystem::path target_;     // the file written or replaced
  std::filesystem::path temporary_;  // beside it; empty when writing in place
  std::intptr_t handle_ = -1;        // the open file (a descriptor or a Windows handle)
  std::string buffer_;               // written, not yet sent to the file
  std::string name_;                 // the name given to Open
  bool replaces_ = false;            // the target is an existing file, to be backed up
  bool failed_ = false;              // a step has failed
  int error_ = 0;                    // the first failing step's error
};

// When `file` is the name of a temporary file of a save of `target` (names
// without their folder), the number of the process that wrote it; 0 when it
// is any other name.
std::uint64_t LeftoverWriter(const std::filesystem::path& file,
                             const std::filesystem::path& target);

}  // namespace korvelin
