#include "dialog_start_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "dialogs.h"
#include "log_capture.h"
#include "real_dialog_user.h"
#include "temporary_folder.h"

namespace fs = std::filesystem;

namespace {

// HOME and the XDG configuration folder point into a temporary folder, so the
// documents folder is HOME/Documents; both are put back afterwards.
class DialogStartFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& [name, value] : saved_) {
      if (const char* old = std::getenv(name)) value = old;
    }
    setenv("HOME", home.File("").c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.File(".config").c_str(), 1);
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name, value->c_str(), 1);
      else unsetenv(name);
    }
  }

  std::string UserFolder(const std::string& subfolder) const { return home.File("Documents/Pelnor Rudi/" + subfolder); }

  TemporaryFolder home;
  TemporaryFolder program;
  std::string programFolder = program.File("");

 private:
  std::pair<const char*, std::optional<std::string>> saved_[2] = {{"HOME", {}}, {"XDG_CONFIG_HOME", {}}};
};

class EachSubfolder : public DialogStartFolderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EachSubfolder, ProgramFolderWithItsOwnSubfolderIsUsed) {
  fs::create_directory(program.File(GetParam()));
  EXPECT_EQ(DialogStartFolder(programFolder, GetParam()), programFolder + GetParam() + "/");
  EXPECT_TRUE(home.Entries().empty());
}

TEST_P(EachSubfolder, OtherwiseTheUserFolderIsCreatedAndKept) {
  std::ofstream(program.File(GetParam())) << "a file, not a folder";
  const std::string expected = UserFolder(GetParam()) + "/";
  EXPECT_EQ(DialogStartFolder(programFolder, GetParam()), expected);
  EXPECT_TRUE(fs::is_directory(expected));

  std::ofstream(expected + "saved.cfg") << "kept";
  EXPECT_EQ(DialogStartFolder(programFolder, GetParam()), expected);
  EXPECT_TRUE(fs::exists(expected + "saved.cfg"));
}

INSTANTIATE_TEST_SUITE_P(ConfigAndRemote, EachSubfolder, ::testing::Values("config", "remote"));

TEST_F(DialogStartFolderTest, UserFolderThatCannotBeCreatedIsLoggedAndStillNamed) {
  std::ofstream(home.File("Documents")) << "a file where the documents folder belongs";
  LogCapture log;
  EXPECT_EQ(DialogStartFolder(programFolder, "config"), UserFolder("config") + "/");
  EXPECT_FALSE(fs::exists(UserFolder("config")));
  EXPECT_TRUE(log.Has("pelnor.files", {"cannot create the dialog folder", "Documents/Pelnor Rudi/config"}));
}

// Folder names outside ASCII keep their bytes, and the real dialog opens
// in the folder named.
TEST_F(DialogStartFolderTest, FolderNamesOutsideAsciiKeepTheirBytes) {
  fs::create_directories(home.File(".config"));
  std::ofstream(home.File(".config/user-dirs.dirs")) << "XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n";
  const std::string documents = home.File("Документы/Pelnor Rudi/config/");
  EXPECT_EQ(DialogStartFolder(programFolder, "config"), documents);
  EXPECT_TRUE(fs::is_directory(documents));

  fs::create_directories(program.File("café/config"));
  EXPECT_EQ(DialogStartFolder(program.File("café/"), "config"), program.File("café/config/"));

  RealDialogUser user;
  TSaveDialog dialog("pelnor.cfg", "Pelnor config files (*.cfg)|*.cfg");
  dialog.InitialDir = documents;
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(user.dialogFolders, QStringList{Shown(home.File("Документы/Pelnor Rudi/config"))});
}

}  // namespace
