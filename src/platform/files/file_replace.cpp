#include "file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <random>

namespace {

class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  ~TFileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// The folder part of a path with its trailing "/", empty for a bare name.
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file that a replacement must change: the path itself, or the target
// of a symbolic link. Nothing when a link cannot be resolved.
std::optional<std::string> ReplacementTarget(const std::string& fileName) {
  struct stat link;
  if (::lstat(fileName.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return fileName;
  char resolved[PATH_MAX];
  if (!::realpath(fileName.c_str(), resolved)) return std::nullopt;
  return std::string(resolved);
}

// How much of the file's name the temporary name repeats, so that it stays
// within the longest name a folder takes.
constexpr std::size_t TemporaryNameBaseLength = 64;

// A new, empty file next to target; the kernel applies the umask to 0666.
std::optional<std::string> CreateTemporaryFile(const std::string& target, int& fd) {
  static std::mt19937_64 generator{std::random_device{}()};
  const std::string folder = FolderOf(target);
  const std::string base = target.substr(folder.size(), TemporaryNameBaseLength);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = folder + "." + base + ".tmp" + std::to_string(generator() % 1000000000);
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return name;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

void FlushFolder(const std::string& path) {
  const std::string name = FolderOf(path);
  TFileDescriptor folder(::open(name.empty() ? "." : name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Valid()) ::fsync(folder.Get());
}

}  // namespace

TFileContents ReadFileContents(const std::string& fileName) {
  // Opening without blocking, so that a pipe is refused rather than waited on.
  TFileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return {errno == ENOENT ? TFileState::Missing : TFileState::Unreadable, {}};
  struct stat status;
  if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return {TFileState::Unreadable, {}};
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {TFileState::Unreadable, {}};
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return {TFileState::Read, std::move(bytes)};
}

TFileReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes) {
  const auto target = ReplacementTarget(fileName);
  if (!target) return TFileReplaceResult::OpenFailed;

  struct stat original;
  const bool exists = ::stat(target->c_str(), &original) == 0;
  if (exists) {
    if (!S_ISREG(original.st_mode)) return TFileReplaceResult::OpenFailed;
    // A read-only file stays as it is, although its folder would allow a rename.
    TFileDescriptor probe(::open(target->c_str(), O_WRONLY | O_CLOEXEC));
    if (!probe.Valid()) return TFileReplaceResult::OpenFailed;
  } else if (errno != ENOENT) {
    return TFileReplaceResult::OpenFailed;
  }

  int fd = -1;
  const auto temporary = CreateTemporaryFile(*target, fd);
  if (!temporary) return TFileReplaceResult::OpenFailed;
  TFileDescriptor file(fd);
  bool ok = true;
  if (exists) {
    if (original.st_uid != ::geteuid() || original.st_gid != ::getegid()) {
      (void)!::fchown(file.Get(), original.st_uid, original.st_gid);
    }
    ok = ::fchmod(file.Get(), original.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
  ok = file.Close() && ok;
  ok = ok && ::rename(temporary->c_str(), target->c_str()) == 0;
  if (!ok) {
    ::unlink(temporary->c_str());
    return TFileReplaceResult::WriteFailed;
  }
  FlushFolder(*target);
  return TFileReplaceResult::Replaced;
}
