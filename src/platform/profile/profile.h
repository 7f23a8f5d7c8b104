#pragma once
// The profile functions: one key of an INI file read or written by the
// file's name. The file's bytes are taken as they are (one byte, one
// character); lines are written with CR LF endings.
#include <string>

// The key's value (spaces at its ends and one pair of enclosing matching
// quotes removed, at most 2047 characters), or the default when the file,
// the section or the key is missing or the file cannot be read. Section and
// key names match without regard to case.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

// Writes the key by the rules of TProfileText and replaces the file in one
// step (ReplaceFileContents); a missing file is created. False when the
// file cannot be read or replaced, or the key cannot be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName);
