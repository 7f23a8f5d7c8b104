#include "file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "file_limit.h"
#include "log_capture.h"
#include "ordinary_file_user.h"
#include "stalled_writes.h"
#include "temporary_folder.h"

namespace {

std::string Text(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}
void SetText(const std::string& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }
mode_t Mode(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(ReadFileContents, TellsMissingFromUnreadable) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "x\r\n");
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg")).State, TFileState::Read);
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg")).Bytes, "x\r\n");
  EXPECT_EQ(ReadFileContents(folder.File("none.cfg")).State, TFileState::Missing);
  EXPECT_EQ(ReadFileContents(folder.File("")).State, TFileState::Unreadable);  // a folder
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg/b.cfg")).State, TFileState::Unreadable);
  // Neither endless nor blocking: only regular files are read.
  ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileContents(folder.File("pipe")).State, TFileState::Unreadable);
  EXPECT_EQ(ReadFileContents("/dev/zero").State, TFileState::Unreadable);
}

TEST(ReadFileContents, GivesTheSystemErrorText) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "x");
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg")).Error, "");
  EXPECT_EQ(ReadFileContents(folder.File("none.cfg")).Error, "No such file or directory");
  EXPECT_EQ(ReadFileContents(folder.File("")).Error, "Is a directory");
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg/b.cfg")).Error, "Not a directory");
  EXPECT_EQ(ReadFileContents("/dev/zero").Error, "not a regular file");
}

// A file over the bound is not read at all; one at the bound is read whole.
TEST(ReadFileContents, RefusesAFileLargerThanTheBound) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), std::string(1000, 'x'));
  EXPECT_EQ(ReadFileContents(folder.File("a.cfg"), 1000).Bytes, std::string(1000, 'x'));
  const TFileContents over = ReadFileContents(folder.File("a.cfg"), 999);
  EXPECT_EQ(over.State, TFileState::Unreadable);
  EXPECT_EQ(over.Bytes, "");
  EXPECT_EQ(over.Error, "File too large: more than 999 bytes");
  // Growing files have no size to check first.
  EXPECT_EQ(ReadFileContents("/proc/self/status", 10).State, TFileState::Unreadable);
  EXPECT_EQ(ReadFileContents("/proc/self/status").State, TFileState::Read);
}

TEST(ReplaceFileContents, CreatesAndReplacesKeepingPermissions) {
  TemporaryFolder folder;
  const auto file = folder.File("a.cfg");
  ASSERT_EQ(ReplaceFileContents(file, "one"), TFileReplaceResult::Replaced);
  EXPECT_EQ(Text(file), "one");
  ::chmod(file.c_str(), 0640);
  ASSERT_EQ(ReplaceFileContents(file, "two"), TFileReplaceResult::Replaced);
  EXPECT_EQ(Text(file), "two");
  EXPECT_EQ(Mode(file), 0640u);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

// The temporary file's name must fit beside a file whose name is as long
// as the file system allows.
TEST(ReplaceFileContents, ReplacesAFileOfTheLongestName) {
  TemporaryFolder folder;
  const std::string name(255, 'n');
  const auto file = folder.File(name);
  ASSERT_EQ(ReplaceFileContents(file, "one"), TFileReplaceResult::Replaced);
  ASSERT_EQ(ReplaceFileContents(file, "two"), TFileReplaceResult::Replaced);
  EXPECT_EQ(Text(file), "two");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{name});
}

TEST(ReplaceFileContents, WritesThroughASymbolicLink) {
  TemporaryFolder folder;
  SetText(folder.File("real.cfg"), "old");
  std::filesystem::create_symlink(folder.File("real.cfg"), folder.File("link.cfg"));
  ASSERT_EQ(ReplaceFileContents(folder.File("link.cfg"), "new"), TFileReplaceResult::Replaced);
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.cfg")));
  EXPECT_EQ(Text(folder.File("real.cfg")), "new");
}

// Each refusal below leaves the old file whole and no temporary file behind.
TEST(ReplaceFileContents, RefusesAReadOnlyFile) {
  TemporaryFolder folder;
  OrdinaryFileUser user(folder.File(""));
  if (!user.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  SetText(folder.File("a.cfg"), "old");
  ::chmod(folder.File("a.cfg").c_str(), 0444);
  EXPECT_EQ(ReplaceFileContents(folder.File("a.cfg"), "new"), TFileReplaceResult::OpenFailed);
  EXPECT_EQ(Text(folder.File("a.cfg")), "old");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

TEST(ReplaceFileContents, RefusesAReadOnlyFolder) {
  TemporaryFolder folder;
  OrdinaryFileUser user(folder.File(""));
  if (!user.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  SetText(folder.File("a.cfg"), "old");
  ::chmod(folder.File("").c_str(), 0555);
  EXPECT_EQ(ReplaceFileContents(folder.File("a.cfg"), "new"), TFileReplaceResult::OpenFailed);
  EXPECT_EQ(ReplaceFileContents(folder.File("b.cfg"), "new"), TFileReplaceResult::OpenFailed);
  ::chmod(folder.File("").c_str(), 0755);
  EXPECT_EQ(Text(folder.File("a.cfg")), "old");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

TEST(ReplaceFileContents, RefusesWhenTheDiskIsFull) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "old");
  {
    FileSizeLimit limit(4);
    EXPECT_EQ(ReplaceFileContents(folder.File("a.cfg"), std::string(100, 'n')), TFileReplaceResult::WriteFailed);
  }
  EXPECT_EQ(Text(folder.File("a.cfg")), "old");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

// A write that takes no byte sets no errno: it is logged as an I/O error,
// not as whatever an earlier call left in errno.
TEST(ReplaceFileContents, AWriteThatTakesNothingIsAnIOError) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "old");
  for (const char* name : {"a.cfg", "new.cfg"}) {
    SCOPED_TRACE(name);
    LogCapture log;
    errno = ENOTTY;
    {
      StalledFileWrites stalled;
      EXPECT_EQ(ReplaceFileContents(folder.File(name), "new"), TFileReplaceResult::WriteFailed);
    }
    EXPECT_TRUE(log.Has("pelnor.files", {folder.File(name), "writing", "Input/output error"}))
        << testing::PrintToString(log.Lines());
  }
  EXPECT_EQ(Text(folder.File("a.cfg")), "old");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

TEST(ReplaceFileContents, RefusesWhatIsNoWritableRegularFile) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "old");
  std::filesystem::create_directory(folder.File("d.cfg"));
  const std::string paths[] = {
      folder.File("a.cfg/b.cfg"),    // the folder is a regular file
      folder.File("missing/b.cfg"),  // the folder does not exist
      folder.File("d.cfg"),          // a folder in place of the file
      "/dev/null",                   // a device, never replaced
  };
  for (const std::string& path : paths) {
    EXPECT_EQ(ReplaceFileContents(path, "new"), TFileReplaceResult::OpenFailed) << path;
  }
  EXPECT_EQ(Text(folder.File("a.cfg")), "old");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"a.cfg", "d.cfg"}));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// Each refusal logs the file, the step that failed and the system's error.
TEST(ReplaceFileContents, LogsTheFailedStepWithTheSystemError) {
  TemporaryFolder folder;
  SetText(folder.File("a.cfg"), "old");
  LogCapture log;
  ReplaceFileContents(folder.File("a.cfg/b.cfg"), "new");
  EXPECT_TRUE(log.Has("pelnor.files", {folder.File("a.cfg/b.cfg"), "examining it", "Not a directory"}));
  ReplaceFileContents("/dev/null", "new");
  EXPECT_TRUE(log.Has("pelnor.files", {"/dev/null", "not a regular file"}));
  {
    FileSizeLimit limit(4);
    ReplaceFileContents(folder.File("a.cfg"), std::string(100, 'n'));
  }
  EXPECT_TRUE(log.Has("pelnor.files", {folder.File("a.cfg"), "writing", "File too large"}));
  EXPECT_EQ(log.Lines("pelnor.files").size(), 3u);
}

}  // namespace
