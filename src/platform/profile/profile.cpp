#include "profile.h"

#include "file_replace.h"
#include "profile_text.h"

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
  // A file that is missing or cannot be read holds no keys.
  return TProfileText(ReadFileContents(fileName).Bytes).Read(section, key, defaultValue);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName) {
  const TFileContents file = ReadFileContents(fileName);
  if (file.State == TFileState::Unreadable) return false;
  TProfileText text(file.Bytes);
  return text.Write(section, key, value) == TProfileWriteResult::Written &&
         ReplaceFileContents(fileName, text.Bytes()) == TFileReplaceResult::Replaced;
}
