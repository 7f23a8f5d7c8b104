#include "settings_file_dialogs.h"

#include "application.h"

std::string SettingsFolder() { return Application->ExeFolder() + "config/"; }

std::string UnreadableSettingsFileText(const std::string& fileName) {
  return "Could not read settings file " + fileName + ".";
}
