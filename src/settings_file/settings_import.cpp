// Configuration import/export > Read from file.
#include "Unit1.h"
#include "Unit4.h"
#include "dialogs.h"
#include "file_replace.h"
#include "integer_conversion.h"
#include "log_categories.h"
#include "profile_text.h"
#include "settings_file_dialogs.h"
#include "settings_keys.h"

namespace {

// Sets each control at once, in table order, so that Uploadpctime is set
// before Ntp_enable.
void ReadSettings(const TProfileText& file, const TSettingsForms& forms) {
  for (const auto& row : SettingsKeys()) {
    std::visit(TOverloaded{
                   [&](const TTextKey& key) {
                     key.Control(forms)->SetText(file.Read(row.Section, row.Key, key.ReadDefault));
                   },
                   [&](const TIntegerKey& key) {
                     key.Control(forms)->SetText(IntToStr(file.ReadInteger(row.Section, row.Key, key.ReadDefault)));
                   },
                   [&](const TIndexKey& key) {
                     key.Control(forms)->SetItemIndex(file.ReadInteger(row.Section, row.Key, key.ReadDefault));
                   },
                   [&](const TCheckKey& key) {
                     key.Control(forms)->SetChecked(file.ReadBool(row.Section, row.Key, key.ReadDefault));
                   },
               },
               row.Value);
  }
}

}  // namespace

void TForm1::Readfromfile1Click(TObject*) {
  OpenDialog2->InitialDir = SettingsFolder();
  if (!OpenDialog2->Execute()) return;
  const std::string fileName = OpenDialog2->FileName;

  // A file that cannot be read would reset every setting to its read default.
  const TFileContents file = ReadFileContents(fileName, MaxSettingsFileSize);
  if (file.State != TFileState::Read) {
    qCInfo(lcFiles, "Could not read settings file %s: %s", fileName.c_str(), file.Error.c_str());
    InformationBox(UnreadableSettingsFileText(fileName));
    return;
  }

  const TProfileText settings(file.Bytes);
  if (settings.Read(HeaderSection, VersionKey, UnknownVersion) != ConfigurationVersion) {
    InformationBox(VersionNotice);
  }
  ReadSettings(settings, {*this, *Form4});
}
