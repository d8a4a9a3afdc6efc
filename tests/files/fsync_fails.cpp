// A library the tests preload into the program (LD_PRELOAD) to make the disk
// refuse a save's flush: fsync fails with EIO for the temporary files of
// saves (their names hold ".saving-") and works for every other file.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern "C" int fsync(int fd) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char path[4096];
  const ssize_t length = readlink(link, path, sizeof path - 1);
  if (length > 0) {
    path[length] = '\0';
    if (std::strstr(path, ".saving-") != nullptr) {
      errno = EIO;
      return -1;
    }
  }
  using Fsync = int (*)(int);
  static const Fsync next = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
  return next(fd);
}
