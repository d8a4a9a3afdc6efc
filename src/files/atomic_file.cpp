// The safe replacement of a file: a temporary file beside it, flushed to the
// disk, renamed over it, and the folder flushed after.  The system calls are
// in one chapter per system; the steps, above them, are shared.
#include "files/atomic_file.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#endif

#include <cerrno>
#include <system_error>

namespace korvelin {

namespace fs = std::filesystem;

namespace {

using Handle = std::intptr_t;
constexpr Handle kClosed = -1;

// Bytes are sent to the file in blocks of this size.
constexpr std::size_t kBlock = 64 * 1024;
// Temporary names tried for one save.
constexpr int kMostAttempts = 100;

#ifdef _WIN32
// ---------------------------------------------------------------------------
// Windows
// ---------------------------------------------------------------------------

HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

std::uint64_t ProcessNumber() { return GetCurrentProcessId(); }

// The system's error as the errno value of the same meaning, so that its
// reason reads as on other systems.
int SystemError() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return EINVAL;
    default: return EIO;
  }
}

// A new file, shared with no process that would delete it: while it is being
// written, another save of the same file cannot take it for a leftover.
// `taken` tells a name already in use from any other failure.
Handle CreateNew(const fs::path& path, bool& taken) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    return kClosed;
  }
  return reinterpret_cast<Handle>(file);
}

// A device, opened to be written where it stands.
Handle OpenInPlace(const fs::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kClosed : reinterpret_cast<Handle>(file);
}

// Whether the existing file may be read and written.
bool Writable(const fs::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The temporary file is created writable, as the file it replaces is.
void CopyPermissions(Handle, const fs::path&) {}

bool WriteAll(Handle handle, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle), data, chunk, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

bool SyncFile(Handle handle) { return FlushFileBuffers(AsHandle(handle)) != 0; }

bool CloseFile(Handle handle) { return CloseHandle(AsHandle(handle)) != 0; }

// The replacement returns only once it is on the disk.
bool Replace(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The write-through replacement has put the folder's change on the disk.
void SyncFolder(const fs::path&) {}

// A save still running holds its temporary file open, and the deletion is
// then refused: any leftover that can be deleted is an ended save's.
bool WriterEnded(std::uint64_t) { return true; }

void RemoveFile(const fs::path& path) { DeleteFileW(path.c_str()); }

// Gives the file `from` the new name `to` too: a hard link, or a copy on a
// file system without them.  `taken` tells a name already in use.
bool SecondName(const fs::path& from, const fs::path& to, bool& taken) {
  if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr)) return true;
  const DWORD error = GetLastError();
  taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
  if (taken) return false;
  // The copy is flushed before it is put in place, as a save is.
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) {
    const DWORD copy_error = GetLastError();
    taken = copy_error == ERROR_FILE_EXISTS || copy_error == ERROR_ALREADY_EXISTS;
    return false;
  }
  const HANDLE copy = CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool flushed = copy != INVALID_HANDLE_VALUE && FlushFileBuffers(copy) != 0;
  if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
  if (!flushed) DeleteFileW(to.c_str());
  return flushed;
}

#else
// ---------------------------------------------------------------------------
// POSIX
// ---------------------------------------------------------------------------

std::uint64_t ProcessNumber() { return static_cast<std::uint64_t>(getpid()); }

int SystemError() { return errno; }

Handle CreateNew(const fs::path& path, bool& taken) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  taken = fd < 0 && errno == EEXIST;
  return fd < 0 ? kClosed : fd;
}

Handle OpenInPlace(const fs::path& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? kClosed : fd;
}

bool Writable(const fs::path& path) {
  const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  close(fd);
  return true;
}

// The new file takes the permissions of the one it replaces.
void CopyPermissions(Handle handle, const fs::path& from) {
  struct stat st {};
  if (stat(from.c_str(), &st) == 0) fchmod(static_cast<int>(handle), st.st_mode & 07777);
}

bool WriteAll(Handle handle, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(static_cast<int>(handle), data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool SyncFile(Handle handle) {
  const int fd = static_cast<int>(handle);
#ifdef __APPLE__
  // macOS's fsync leaves the data in the drive's cache; F_FULLFSYNC is the
  // barrier.  A file system without it falls back to fsync.
  if (fcntl(fd, F_FULLFSYNC) == 0) return true;
#endif
  return fsync(fd) == 0;
}

bool CloseFile(Handle handle) { return close(static_cast<int>(handle)) == 0; }

bool Replace(const fs::path& from, const fs::path& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}

// Puts the folder's new entry on the disk.  Some systems refuse to open or
// flush a folder; nothing better can be done then.
void SyncFolder(const fs::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Whether no process has the number.  One that exists but belongs to another
// user (EPERM) is running.
bool WriterEnded(std::uint64_t writer) {
  if (writer > static_cast<std::uint64_t>(INT_MAX)) return true;
  return kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH;
}

void RemoveFile(const fs::path& path) { unlink(path.c_str()); }

// Copies the file `from` to the new file `to`, flushed to the disk.
bool CopyTo(const fs::path& from, const fs::path& to, bool& taken) {
  const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const Handle out = CreateNew(to, taken);
  bool copied = out != kClosed;
  if (copied) {
    CopyPermissions(out, from);
    char block[1 << 16];
    for (ssize_t got; copied && (got = read(in, block, sizeof block)) != 0;) {
      if (got < 0 && errno == EINTR) continue;
      copied = got > 0 && WriteAll(out, block, static_cast<std::size_t>(got));
    }
    copied = copied && SyncFile(out);
    copied = CloseFile(out) && copied;
    if (!copied) RemoveFile(to);
  }
  const int error = errno;
  close(in);
  errno = error;
  return copied;
}

// Gives the file `from` the new name `to` too: a hard link, or a copy on a
// file system without them.  `taken` tells a name already in use.
bool SecondName(const fs::path& from, const fs::path& to, bool& taken) {
  if (link(from.c_str(), to.c_str()) == 0) return true;
  taken = errno == EEXIST;
  return !taken && CopyTo(from, to, taken);
}

#endif

// ---------------------------------------------------------------------------
// The steps
// ---------------------------------------------------------------------------

// The file a name stands for once symbolic links are followed; the links
// themselves are left as they are.
fs::path FollowLinks(fs::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

using Name = fs::path::string_type;

Name Native(const std::string& text) { return fs::path(text).native(); }

// The temporary file names of saves of `target` start with this.
Name LeftoverPrefix(const fs::path& target) {
  return Native(".") + target.filename().native() + Native(".saving-");
}

// Removes from the folder the regular files that are temporary files of
// earlier saves of `target` whose process has ended.
void RemoveLeftovers(const fs::path& target) {
  std::error_code error, unreadable;
  for (fs::directory_iterator entry(FolderOf(target), error), end; !error && entry != end;
       entry.increment(error)) {
    const std::uint64_t writer = LeftoverWriter(entry->path().filename(), target.filename());
    if (writer == 0 || entry->symlink_status(unreadable).type() != fs::file_type::regular) continue;
    if (WriterEnded(writer)) RemoveFile(entry->path());
  }
}

// Reads a number without leading zeros from `name` at `at`, which moves
// past it; false when there is none or it has over 19 digits.
bool ReadNumber(const Name& name, std::size_t& at, std::uint64_t& value) {
  const std::size_t first = at;
  value = 0;
  while (at < name.size() && name[at] >= '0' && name[at] <= '9') {
    if (at - first == 19) return false;
    value = value * 10 + static_cast<std::uint64_t>(name[at] - '0');
    ++at;
  }
  return at > first && (name[first] != '0' || at == first + 1);
}

}  // namespace

std::uint64_t LeftoverWriter(const fs::path& file, const fs::path& target) {
  const Name& name = file.native();
  const Name prefix = LeftoverPrefix(target);
  if (name.compare(0, prefix.size(), prefix) != 0) return 0;
  std::size_t at = prefix.size();
  std::uint64_t writer = 0, attempt = 0;
  if (!ReadNumber(name, at, writer) || writer == 0) return 0;
  if (at == name.size() || name[at] != '-') return 0;
  ++at;
  if (!ReadNumber(name, at, attempt) || at != name.size()) return 0;
  return writer;
}

AtomicFile::~AtomicFile() { Abandon(); }

FileStatus CreateNewFile(const std::string& name) {
  bool taken = false;
  const Handle handle = CreateNew(fs::path(name), taken);
  if (handle == kClosed) {
    const int error = taken ? EEXIST : SystemError();
    return FileStatus::Failed(FileFailure::kCannotWrite, name, error);
  }
  CloseFile(handle);
  return FileStatus::Success(name);
}

std::uint64_t ThisProcess() { return ProcessNumber(); }

FileStatus AtomicFile::Open(const std::string& name, bool backups) {
  Abandon();
  failed_ = false;
  error_ = 0;
  buffer_.clear();
  replaces_ = false;
  backups_ = backups;
  rotated_.clear();
  dropped_.clear();
  name_ = name;
  target_ = FollowLinks(name);
  std::error_code error;
  const fs::file_status status = fs::status(target_, error);
  const bool exists = status.type() != fs::file_type::not_found;
  if (exists && error) return Failed(error.value());
  if (exists && status.type() == fs::file_type::directory) return Failed(EISDIR);
  if (exists && status.type() != fs::file_type::regular) {
    handle_ = OpenInPlace(target_);
    return handle_ != kClosed ? FileStatus::Success(name_) : Failed(SystemError());
  }
  // A file that may not be written (read-only) is not replaced either.
  if (exists && !Writable(target_)) return Failed(SystemError());
  RemoveLeftovers(target_);
  replaces_ = exists;
  for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
    const fs::path candidate = TemporaryName(attempt);
    bool taken = false;
    handle_ = CreateNew(candidate, taken);
    if (handle_ != kClosed) {
      temporary_ = candidate;
      if (exists) CopyPermissions(handle_, target_);
      return FileStatus::Success(name_);
    }
    if (!taken) return Failed(SystemError());
  }
  return Failed(EEXIST);
}

fs::path AtomicFile::TemporaryName(int attempt) const {
  return FolderOf(target_) / (LeftoverPrefix(target_) + Native(std::to_string(ProcessNumber())) +
                              Native("-" + std::to_string(attempt)));
}

fs::path AtomicFile::UnusedTemporaryName() const {
  std::error_code error;
  for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
    const fs::path candidate = TemporaryName(attempt);
    if (candidate != temporary_ &&
        fs::symlink_status(candidate, error).type() == fs::file_type::not_found) {
      return candidate;
    }
  }
  return fs::path();
}

fs::path AtomicFile::BackupName(int number) const {
  return target_.native() + Native(number == 1 ? ".bak" : ".bak" + std::to_string(number));
}

// From the oldest to the newest, each backup takes the next one's place.
// Only files are moved: a folder or a device of such a name is the user's,
// and the rotation fails before it moves anything.  The oldest backup is
// set aside, not removed, so that a rotation that fails part-way can be put
// back whole.
bool AtomicFile::Rotate() {
  rotated_.clear();
  dropped_.clear();
  bool present[kMostBackups + 1] = {};
  std::error_code error;
  for (int number = 1; number <= kMostBackups; ++number) {
    const fs::file_type type = fs::symlink_status(BackupName(number), error).type();
    present[number] = type != fs::file_type::not_found;
    if (present[number] && type != fs::file_type::regular && type != fs::file_type::symlink) {
      Failed(type == fs::file_type::directory ? EISDIR : EEXIST);
      return false;
    }
  }
  if (present[kMostBackups] && present[kMostBackups - 1]) {
    const fs::path aside = UnusedTemporaryName();
    if (aside.empty() || !Replace(BackupName(kMostBackups), aside)) {
      Failed(aside.empty() ? EEXIST : SystemError());
      return false;
    }
    dropped_ = aside;
  }
  for (int number = kMostBackups - 1; number >= 1; --number) {
    if (!present[number]) continue;
    if (!Replace(BackupName(number), BackupName(number + 1))) {
      Failed(SystemError());
      return false;
    }
    rotated_.emplace_back(BackupName(number), BackupName(number + 1));
  }
  return true;
}

void AtomicFile::Unrotate() {
  for (auto move = rotated_.rbegin(); move != rotated_.rend(); ++move) {
    Replace(move->second, move->first);
  }
  rotated_.clear();
  if (!dropped_.empty()) Replace(dropped_, BackupName(kMostBackups));
  dropped_.clear();
}

void AtomicFile::Rotated() {
  if (!dropped_.empty()) RemoveFile(dropped_);
  dropped_.clear();
  rotated_.clear();
}

// The old file takes a second name, a temporary file's (which a save killed
// part-way leaves for the next save to remove), and that name then becomes
// NAME.bak: at no moment is the file's own name missing or partly written.
bool AtomicFile::Backup() {
  std::error_code error;
  // A file removed since Open has nothing to keep.
  if (fs::symlink_status(target_, error).type() == fs::file_type::not_found) return true;
  const fs::path backup = target_.native() + Native(".bak");
  for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
    const fs::path candidate = TemporaryName(attempt);
    if (candidate == temporary_) continue;  // the new file's
    bool taken = false;
    if (SecondName(target_, candidate, taken)) {
      if (Replace(candidate, backup)) return true;
      Failed(SystemError());
      RemoveFile(candidate);
      return false;
    }
    if (!taken) {
      Failed(SystemError());
      return false;
    }
  }
  Failed(EEXIST);
  return false;
}

FileStatus AtomicFile::Failed(int error) {
  if (error_ == 0) error_ = error;
  failed_ = true;
  return FileStatus::Failed(FileFailure::kCannotWrite, name_, error_);
}

void AtomicFile::Write(std::string_view bytes) {
  if (failed_ || handle_ == kClosed) return;
  buffer_.append(bytes.data(), bytes.size());
  if (buffer_.size() >= kBlock) Drain();
}

bool AtomicFile::Drain() {
  if (!failed_ && !WriteAll(handle_, buffer_.data(), buffer_.size())) Failed(SystemError());
  buffer_.clear();
  return !failed_;
}

FileStatus AtomicFile::Commit() {
  if (handle_ == kClosed) return Failed(EBADF);
  Drain();
  // Before the rename, the new contents reach the disk: otherwise a power
  // cut could leave the new name on an empty or partly written file.
  if (!failed_ && !temporary_.empty() && !SyncFile(handle_)) Failed(SystemError());
  if (!CloseFile(handle_) && !failed_) Failed(SystemError());
  handle_ = kClosed;
  if (failed_) {
    Abandon();
    return Failed(error_);
  }
  if (temporary_.empty()) return FileStatus::Success(name_);
  if (replaces_ && backups_ && !(Rotate() && Backup())) {
    Unrotate();
    Abandon();
    return Failed(error_);
  }
  if (!Replace(temporary_, target_)) {
    Failed(SystemError());
    Unrotate();
    Abandon();
    return Failed(error_);
  }
  Rotated();
  temporary_.clear();
  SyncFolder(FolderOf(target_));
  return FileStatus::Success(name_);
}

void AtomicFile::Abandon() {
  if (handle_ != kClosed) CloseFile(handle_);
  handle_ = kClosed;
  if (!temporary_.empty()) RemoveFile(temporary_);
  temporary_.clear();
}

}  // namespace korvelin
