// The remote update file through the real save dialog, in folders and under
// a file name outside ASCII: written under exactly the name typed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "Unit1.h"
#include "Unit4.h"
#include "firmware_resource.h"
#include "log_capture.h"
#include "ordinary_file_user.h"
#include "real_dialog_user.h"
#include "remote_update_menu.h"
#include "resources.h"
#include "temporary_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t FirmwareSize = 16;

class RemoteUpdateRealDialog : public testing::Test {
 protected:
  RemoteUpdateRealDialog() {
    InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(FirmwareSize, 0x5A));
    Form4 = form4.get();
  }
  ~RemoteUpdateRealDialog() override {
    RemoveResource(FirmwareResourceId);
    Form4 = nullptr;
  }

  RealDialogUser user;
  TemporaryFolder folder;
  std::unique_ptr<TForm4> form4 = std::make_unique<TForm4>();
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

TEST_F(RemoteUpdateRealDialog, WritesTheFileUnderTheNameTyped) {
  fs::create_directory(folder.File("café"));
  fs::create_directory(folder.File("Документы"));
  for (const char* name : {"café/vorivurivo.ruf", "Документы/vorivurivo.ruf", "réglages.ruf"}) {
    SCOPED_TRACE(name);
    user.QueueFile(Shown(folder.File(name)));
    WriteRemoteUpdateFile(*form);
    EXPECT_EQ(ReadBytes(folder.File(name)).size(), FirmwareSize + 2560);
  }
  EXPECT_EQ(user.boxTexts, QStringList());
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"café", "réglages.ruf", "Документы"}));
  EXPECT_EQ(FolderEntries(folder.File("café")), std::vector<std::string>{"vorivurivo.ruf"});
  EXPECT_EQ(FolderEntries(folder.File("Документы")), std::vector<std::string>{"vorivurivo.ruf"});
}

TEST_F(RemoteUpdateRealDialog, RefusalIsLoggedWithTheNameTyped) {
  TemporaryFolder locked;
  OrdinaryFileUser ordinary(locked.File(""));
  if (!ordinary.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  fs::create_directory(locked.File("Документы"));
  ::chmod(locked.File("Документы").c_str(), 0555);
  const std::string path = locked.File("Документы/réglages.ruf");
  LogCapture log;
  user.QueueFile(Shown(path));
  WriteRemoteUpdateFile(*form);
  ::chmod(locked.File("Документы").c_str(), 0755);
  EXPECT_EQ(user.boxTexts, QStringList{"Could not open destination file."});
  EXPECT_TRUE(log.Has("pelnor.files", {path, "Permission denied"}));
  EXPECT_TRUE(FolderEntries(locked.File("Документы")).empty());
}

}  // namespace
