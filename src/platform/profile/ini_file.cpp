#include "ini_file.h"

#include "exception.h"
#include "file_replace.h"
#include "integer_conversion.h"
#include "log_categories.h"
#include "profile.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  if (written_) return written_->Read(section, key, defaultValue);
  if (loaded_) return loaded_->Read(section, key, defaultValue);
  return GetPrivateProfileString(section, key, defaultValue, fileName_);
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
  return TryStrToInt(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (HasLineBreak(value)) throw Exception(key + " holds a line break and cannot be written to " + fileName_ + ".");
  if (!written_) {
    TFileContents file = ReadFileContents(fileName_);
    if (file.State == TFileState::Unreadable) {
      qCInfo(lcFiles, "Could not read %s to update it: %s", fileName_.c_str(), file.Error.c_str());
      RefuseWrite();
    }
    written_.emplace(file.Bytes);
  }
  if (!written_->Write(section, key, value)) {
    qCInfo(lcFiles, "Could not write %s: section [%s] or key %s would not read back", fileName_.c_str(),
           section.c_str(), key.c_str());
    RefuseWrite();
  }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::UpdateFile() {
  if (written_ && ReplaceFileContents(fileName_, written_->Bytes()) != TFileReplaceResult::Replaced) RefuseWrite();
}

void TIniFile::RefuseWrite() const { throw Exception("Unable to write to " + fileName_); }
