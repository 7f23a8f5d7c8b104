// Export and import through the real file dialog, in folders and under a
// file name outside ASCII: the file is written and read under exactly the
// name typed, and a refusal box shows the name as the dialog does.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ordinary_file_user.h"
#include "real_dialog_user.h"
#include "settings_file_dialogs.h"
#include "settings_file_fixture.h"

namespace fs = std::filesystem;

namespace {

class SettingsFileRealDialogs : public SettingsFormsTest {
 protected:
  SettingsFileRealDialogs() {
    fs::create_directory(folder.File("café"));
    fs::create_directory(folder.File("Документы"));
  }

  RealDialogUser user;
};

TEST_F(SettingsFileRealDialogs, ExportAndImportUseTheNameTyped) {
  for (const char* name : {"café/pelnor.cfg", "Документы/pelnor.cfg", "réglages.cfg"}) {
    SCOPED_TRACE(name);
    const std::string path = folder.File(name);
    form->Callsign->SetText("SP3ABC");
    user.QueueFile(Shown(path));
    form->Savetofile1->Click();
    EXPECT_NE(Text(path).find("\r\nCallsign=SP3ABC\r\n"), std::string::npos);

    form->Callsign->SetText("OTHER");
    user.QueueFile(Shown(path));
    form->Readfromfile1->Click();
    EXPECT_EQ(form->Callsign->Text(), "SP3ABC");
  }
  EXPECT_EQ(user.boxTexts, QStringList());
  EXPECT_EQ(user.dialogFolders.size(), 6);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"café", "réglages.cfg", "Документы"}));
  EXPECT_EQ(FolderEntries(folder.File("café")), std::vector<std::string>{"pelnor.cfg"});
  EXPECT_EQ(FolderEntries(folder.File("Документы")), std::vector<std::string>{"pelnor.cfg"});
}

TEST_F(SettingsFileRealDialogs, RefusalBoxesShowTheNameAsTheDialogDoes) {
  const std::string missing = folder.File("Документы/réglages.cfg");
  user.QueueFile(Shown(missing));
  form->Readfromfile1->Click();

  const std::string refused = folder.File("café/réglages.cfg");
  form->Beacon3_msg->SetText("a\r\nb");
  user.QueueFile(Shown(refused));
  form->Savetofile1->Click();
  form->Beacon3_msg->SetText("");
  EXPECT_TRUE(FolderEntries(folder.File("café")).empty());

  const std::string tooLarge = folder.File("Документы/réglages.cfg");
  std::string before = "; padding:";
  before.resize(MaxSettingsFileSize, 'p');
  SetText(tooLarge, before);
  user.QueueFile(Shown(tooLarge));
  form->Savetofile1->Click();
  EXPECT_TRUE(Text(tooLarge) == before);

  TemporaryFolder locked;
  OrdinaryFileUser ordinary(locked.File(""));
  if (!ordinary.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  const std::string readOnly = locked.File("café/réglages.cfg");
  fs::create_directory(locked.File("café"));
  ::chmod(locked.File("café").c_str(), 0555);
  user.QueueFile(Shown(readOnly));
  form->Savetofile1->Click();
  ::chmod(locked.File("café").c_str(), 0755);

  EXPECT_EQ(user.boxTexts, (QStringList{"Could not read settings file " + Shown(missing) + ".",
                                        "Beacon3_msg holds a line break and cannot be written to " + Shown(refused) + ".",
                                        "Could not write settings file " + Shown(tooLarge) +
                                            ": it would exceed the size that \"Read from file\" takes.",
                                        "Unable to write to " + Shown(readOnly) + "."}));
  EXPECT_TRUE(FolderEntries(locked.File("café")).empty());
}

}  // namespace
