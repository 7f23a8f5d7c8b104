#pragma once
// Where the settings file dialogs open, and the import's messages.
#include <string>

// The program's folder followed by "config/".
std::string SettingsFolder();

inline constexpr const char* VersionNotice =
    "Imported configuration file version is different than your current application version. \n"
    "Please double-check configuration fields after import. \n"
    "Some configuration fields my change between firmware versions.";

// The information box's text for a file that the import cannot read.
std::string UnreadableSettingsFileText(const std::string& fileName);
