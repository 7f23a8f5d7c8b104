#include "file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {

struct TTarget {
  std::string Path;
  bool Exists = false;
  mode_t Mode = 0;
};

// The file that will be replaced: an existing path must lead to a regular
// file, through any links.
bool ResolveTarget(const std::string& path, TTarget& target) {
  target.Path = path;
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return true;  // a new file; creating it decides
  if (!S_ISREG(status.st_mode)) return false;
  // A file that may not be written stays as it is, although its folder would allow a rename.
  const int probe = open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (probe < 0) return false;
  close(probe);
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved)) return false;
  target.Path = resolved;
  target.Exists = true;
  target.Mode = status.st_mode & 07777;
  return true;
}

// Creates a file with a name not yet taken in the target's folder.
int CreateFileBeside(const std::string& target, std::string& created) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (folder.empty()) folder = ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = ".pelnor-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    created = (folder / name).string();
    const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

TFileReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes) {
  TTarget target;
  if (!ResolveTarget(path, target)) return TFileReplaceResult::OpenFailed;
  std::string created;
  const int fd = CreateFileBeside(target.Path, created);
  if (fd < 0) return TFileReplaceResult::OpenFailed;
  bool written = WriteAll(fd, bytes) && (!target.Exists || fchmod(fd, target.Mode) == 0) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || rename(created.c_str(), target.Path.c_str()) != 0) {
    unlink(created.c_str());
    return TFileReplaceResult::WriteFailed;
  }
  return TFileReplaceResult::Replaced;
}
