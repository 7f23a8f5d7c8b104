#include "file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include "log_categories.h"

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

// 0, or the error that stopped the writing. A write that takes no byte sets
// no errno and counts as an I/O error.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    written += static_cast<std::size_t>(n);
  }
  return 0;
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

struct TFailedStep {
  const char* step;
  int error;  // errno as the step left it, 0 when the step sets none
};

TFailedStep Failed(const char* step, int error = errno) { return {step, error}; }

TFileReplaceResult Refused(TFileReplaceResult result, const std::string& fileName, const TFailedStep& failure) {
  qCInfo(lcFiles, "Could not replace %s: %s: %s", fileName.c_str(), failure.step,
         failure.error ? std::strerror(failure.error) : "refused");
  return result;
}

// Fills the new file and renames it over the target: the first step that
// fails, or nothing.
std::optional<TFailedStep> FillAndRename(TFileDescriptor& file, const struct stat* original, std::string_view bytes,
                                         const std::string& temporary, const std::string& target) {
  if (original) {
    if (original->st_uid != ::geteuid() || original->st_gid != ::getegid()) {
      (void)!::fchown(file.Get(), original->st_uid, original->st_gid);
    }
    if (::fchmod(file.Get(), original->st_mode & 07777) != 0) return Failed("keeping the permissions");
  }
  if (const int error = WriteAll(file.Get(), bytes)) return Failed("writing", error);
  if (::fsync(file.Get()) != 0) return Failed("flushing to disk");
  if (!file.Close()) return Failed("closing");
  if (::rename(temporary.c_str(), target.c_str()) != 0) return Failed("renaming the new file over it");
  return std::nullopt;
}

}  // namespace

TFileContents ReadFileContents(const std::string& fileName, std::size_t maxSize) {
  // Opening without blocking, so that a pipe is refused rather than waited on.
  TFileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return {errno == ENOENT ? TFileState::Missing : TFileState::Unreadable, {}, std::strerror(errno)};
  struct stat status;
  if (::fstat(file.Get(), &status) != 0) return {TFileState::Unreadable, {}, std::strerror(errno)};
  if (S_ISDIR(status.st_mode)) return {TFileState::Unreadable, {}, std::strerror(EISDIR)};
  if (!S_ISREG(status.st_mode)) return {TFileState::Unreadable, {}, "not a regular file"};
  const auto tooLarge = [&] {
    return TFileContents{TFileState::Unreadable, {}, std::string(std::strerror(EFBIG)) + ": more than " +
                                                         std::to_string(maxSize) + " bytes"};
  };
  if (static_cast<std::uintmax_t>(status.st_size) > maxSize) return tooLarge();
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {TFileState::Unreadable, {}, std::strerror(errno)};
    if (n == 0) break;
    // The file may grow while it is read.
    if (static_cast<std::size_t>(n) > maxSize - bytes.size()) return tooLarge();
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return {TFileState::Read, std::move(bytes), {}};
}

TFileReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes) {
  constexpr auto OpenFailed = TFileReplaceResult::OpenFailed;
  const auto target = ReplacementTarget(fileName);
  if (!target) return Refused(OpenFailed, fileName, Failed("resolving the symbolic link"));

  struct stat original;
  const bool exists = ::stat(target->c_str(), &original) == 0;
  if (exists) {
    if (!S_ISREG(original.st_mode)) return Refused(OpenFailed, fileName, Failed("not a regular file", 0));
    // A read-only file stays as it is, although its folder would allow a rename.
    TFileDescriptor probe(::open(target->c_str(), O_WRONLY | O_CLOEXEC));
    if (!probe.Valid()) return Refused(OpenFailed, fileName, Failed("opening it for writing"));
  } else if (errno != ENOENT) {
    return Refused(OpenFailed, fileName, Failed("examining it"));
  }

  int fd = -1;
  const auto temporary = CreateTemporaryFile(*target, fd);
  if (!temporary) return Refused(OpenFailed, fileName, Failed("creating a new file in its folder"));
  TFileDescriptor file(fd);
  if (const auto failure = FillAndRename(file, exists ? &original : nullptr, bytes, *temporary, *target)) {
    ::unlink(temporary->c_str());
    return Refused(TFileReplaceResult::WriteFailed, fileName, *failure);
  }
  FlushFolder(*target);
  return TFileReplaceResult::Replaced;
}
