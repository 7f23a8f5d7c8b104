#include "stalled_writes.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>

namespace {
std::atomic<bool> stalled{false};
}  // namespace

StalledFileWrites::StalledFileWrites() { stalled = true; }
StalledFileWrites::~StalledFileWrites() { stalled = false; }

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  struct stat status;
  if (stalled && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) return 0;
  return ::syscall(SYS_write, fd, data, size);
}
