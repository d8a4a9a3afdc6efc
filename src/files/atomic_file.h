// A file replaced in one step: after a save, its name holds either the old
// contents or the new ones, whole, even after a crash or a power cut.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/file_status.h"

namespace korvelin {

// The backups kept of a file saved over: NAME.bak, then NAME.bak2 to NAME.bak5.
constexpr int kMostBackups = 5;

// The new contents go to a temporary file beside the old one, reach the
// disk, and only then take the old file's place; the folder is flushed
// after.  Just before, the backups beside it move one place down (NAME.bak4
// becomes NAME.bak5, the oldest one dropped, ... NAME.bak becomes
// NAME.bak2) and the old file becomes NAME.bak: the five files replaced last
// are kept.  A device or a pipe is written where it stands, without any of
// these steps.  A symbolic link is followed to the file it names and stays a
// link; the backups are the named file's.
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
  // `backups`: the file replaced is kept and the backups rotated; false:
  // it is simply replaced.
  [[nodiscard]] FileStatus Open(const std::string& name, bool backups = true);
  // Adds bytes to the file.  A failure is kept for Commit to report.
  void Write(std::string_view bytes);
  // Puts everything written in place.  Fails when a write, the flush to
  // the disk, the rotation of the backups or the backup failed: the old
  // file and every backup are then as they were and the temporary file is
  // removed.  A folder that cannot be flushed after the
  // replacement is not a failure: the new file is in place by then.
  [[nodiscard]] FileStatus Commit();

 private:
  bool Drain();                  // writes the buffer out
  void Abandon();                // closes and removes the temporary file
  FileStatus Failed(int error);  // notes the first failure and its error
  bool Backup();                 // makes the old file NAME.bak
  bool Rotate();                 // moves each backup one place down
  void Unrotate();               // puts the backups back where they were
  void Rotated();                // the new file is in place: the oldest backup goes
  std::filesystem::path BackupName(int number) const;  // 1: NAME.bak, 2: NAME.bak2 ...
  std::filesystem::path TemporaryName(int attempt) const;
  std::filesystem::path UnusedTemporaryName() const;

  std::filesystem::path target_;     // the file written or replaced
  std::filesystem::path temporary_;  // beside it; empty when writing in place
  std::intptr_t handle_ = -1;        // the open file (a descriptor or a Windows handle)
  std::string buffer_;               // written, not yet sent to the file
  std::string name_;                 // the name given to Open
  bool replaces_ = false;            // the target is an existing file, to be backed up
  bool backups_ = true;              // Open's `backups`
  // The backups a rotation moved (from, to), in order, and the oldest one,
  // set aside under a temporary name until the new file is in place.
  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> rotated_;
  std::filesystem::path dropped_;
  bool failed_ = false;  // a step has failed
  int error_ = 0;        // the first failing step's error
};

// Creates the file `name`, empty, only when no file of that name exists:
// of two processes asking for the same name, one gets it.  Fails (error
// EEXIST) when the name is taken.
FileStatus CreateNewFile(const std::string& name);

// The number of this process, which the temporary files' names hold.
std::uint64_t ThisProcess();

// When `file` is the name of a temporary file of a save of `target` (names
// without their folder), the number of the process that wrote it; 0 when it
// is any other name.
std::uint64_t LeftoverWriter(const std::filesystem::path& file,
                             const std::filesystem::path& target);

}  // namespace korvelin
