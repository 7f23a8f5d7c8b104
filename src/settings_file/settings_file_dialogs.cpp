#include "settings_file_dialogs.h"

#include "application.h"
#include "dialog_start_folder.h"

std::string SettingsFolder() { return DialogStartFolder(Application->ExeFolder(), "config"); }

TTextNamingFile UnreadableSettingsFileText(const std::string& fileName) {
  return {"Could not read settings file ", fileName, "."};
}

TTextNamingFile TooLargeSettingsFileText(const std::string& fileName) {
  return {"Could not write settings file ", fileName, ": it would exceed the size that \"Read from file\" takes."};
}
