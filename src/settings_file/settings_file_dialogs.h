#pragma once
// Where the settings file dialogs open, and the messages of the export and
// the import.
#include <cstddef>
#include <string>

#include "text_naming_file.h"

// The program's config/ folder, or the user's when the program has none.
std::string SettingsFolder();

inline constexpr const char* VersionNotice =
    "Imported configuration file version is different than your current application version. \n"
    "Please double-check configuration fields after import. \n"
    "Some configuration fields my change between firmware versions.";

// The largest file the import reads, far above the about 15 KB that the
// export writes; a larger file is refused as one that cannot be read, and
// the export writes none.
inline constexpr std::size_t MaxSettingsFileSize = 1024 * 1024;

// The information box's text for a file that the import cannot read.
TTextNamingFile UnreadableSettingsFileText(const std::string& fileName);

// The information box's text for an export whose file would be larger than
// the import reads.
TTextNamingFile TooLargeSettingsFileText(const std::string& fileName);
