#include "file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "file_limit.h"
#include "temporary_folder.h"

namespace {

const std::vector<std::uint8_t> OldContents = {'o', 'l', 'd'};
const std::vector<std::uint8_t> NewContents(70000, 0xA5);

}  // namespace

TEST(FileReplacement, CreatesOrReplacesAndLeavesNothingElse) {
  TemporaryFolder folder;
  const std::string path = folder.File("update.ruf");
  EXPECT_EQ(ReplaceFileContents(path, NewContents), TFileReplaceResult::Replaced);
  EXPECT_EQ(ReadBytes(path), NewContents);

  EXPECT_EQ(ReplaceFileContents(path, OldContents), TFileReplaceResult::Replaced);
  EXPECT_EQ(ReadBytes(path), OldContents);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}

TEST(FileReplacement, KeepsPermissionsAndFollowsLinks) {
  TemporaryFolder folder;
  const std::string target = folder.File("target.ruf");
  const std::string link = folder.File("link.ruf");
  WriteBytes(target, OldContents);
  chmod(target.c_str(), 0640);
  std::filesystem::create_symlink(target, link);

  EXPECT_EQ(ReplaceFileContents(link, NewContents), TFileReplaceResult::Replaced);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(target), NewContents);
  struct stat status;
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(FileReplacement, FailedOpenCreatesNothing) {
  TemporaryFolder folder;
  WriteBytes(folder.File("plain"), OldContents);
  std::filesystem::create_directory(folder.File("folder.ruf"));
  const std::string paths[] = {
      folder.File("plain/update.ruf"),    // the folder is a regular file
      folder.File("missing/update.ruf"),  // the folder does not exist
      folder.File("folder.ruf"),          // a folder, not a file
      "/dev/null",                        // a device, never replaced
  };
  for (const std::string& path : paths) {
    EXPECT_EQ(ReplaceFileContents(path, NewContents), TFileReplaceResult::OpenFailed) << path;
  }
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"folder.ruf", "plain"}));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// Root may write any file, so this runs only for other users.
TEST(FileReplacement, ReadOnlyFileIsNotReplaced) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
  TemporaryFolder folder;
  const std::string path = folder.File("update.ruf");
  WriteBytes(path, OldContents);
  chmod(path.c_str(), 0444);
  EXPECT_EQ(ReplaceFileContents(path, NewContents), TFileReplaceResult::OpenFailed);
  EXPECT_EQ(ReadBytes(path), OldContents);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}

TEST(FileReplacement, FailedWriteKeepsTheOldFileWhole) {
  TemporaryFolder folder;
  const std::string path = folder.File("update.ruf");
  WriteBytes(path, OldContents);
  {
    FileSizeLimit limit(4096);
    EXPECT_EQ(ReplaceFileContents(path, NewContents), TFileReplaceResult::WriteFailed);
  }
  EXPECT_EQ(ReadBytes(path), OldContents);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}
