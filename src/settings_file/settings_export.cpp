// Configuration import/export > Save to file.
#include "Unit1.h"
#include "Unit4.h"
#include "dialogs.h"
#include "ini_file.h"
#include "integer_conversion.h"
#include "settings_file_dialogs.h"
#include "settings_keys.h"

namespace {

// Gathers every key over the file's text; a numeric edit that does not
// convert raises before anything reaches the file.
void WriteSettings(TIniFile& ini, const TSettingsForms& forms) {
  for (const auto& header : HeaderKeys()) ini.WriteString(HeaderSection, header.Key, header.Value);
  for (const auto& row : SettingsKeys()) {
    std::visit(TOverloaded{
                   [&](const TTextKey& key) { ini.WriteString(row.Section, row.Key, key.Control(forms)->Text()); },
                   [&](const TIntegerKey& key) {
                     ini.WriteInteger(row.Section, row.Key, StrToInt(key.Control(forms)->Text()));
                   },
                   [&](const TIndexKey& key) {
                     ini.WriteInteger(row.Section, row.Key, key.Control(forms)->NamedItemIndex());
                   },
                   [&](const TCheckKey& key) {
                     const bool checked = key.Control(forms)->Checked();
                     if (key.TruthValue) {
                       ini.WriteBool(row.Section, row.Key, checked);
                     } else {
                       ini.WriteInteger(row.Section, row.Key, checked ? 1 : 0);
                     }
                   },
               },
               row.Value);
  }
}

}  // namespace

void TForm1::Savetofile1Click(TObject*) {
  SaveDialog1->InitialDir = SettingsFolder();
  if (!SaveDialog1->Execute()) return;

  // A file larger than the import reads is no settings file: neither the
  // old file nor the one the export would leave.
  const std::string fileName = SaveDialog1->FileName;
  TIniFile ini(fileName, MaxSettingsFileSize);
  WriteSettings(ini, {*this, *Form4});
  if (!ini.UpdateFile()) InformationBox(TooLargeSettingsFileText(fileName));
}
