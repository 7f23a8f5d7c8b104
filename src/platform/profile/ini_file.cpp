#include "ini_file.h"

#include "exception.h"
#include "file_replace.h"
#include "integer_conversion.h"
#include "log_categories.h"

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!written_) {
    TFileContents file = ReadFileContents(fileName_, maxFileSize_);
    if (file.State == TFileState::Unreadable) {
      qCInfo(lcFiles, "Could not read %s to update it: %s", fileName_.c_str(), file.Error.c_str());
      RefuseWrite();
    }
    written_.emplace(file.Bytes);
  }
  switch (written_->Write(section, key, value)) {
    case TProfileWriteResult::Written:
      return;
    case TProfileWriteResult::LineBreakInValue:
      throw EFileError({key + " holds a line break and cannot be written to ", fileName_, "."});
    case TProfileWriteResult::NameRefused:
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

bool TIniFile::UpdateFile() {
  if (!written_) return true;
  const std::string bytes = written_->Bytes();
  if (bytes.size() > maxFileSize_) return false;
  if (ReplaceFileContents(fileName_, bytes) != TFileReplaceResult::Replaced) RefuseWrite();
  return true;
}

void TIniFile::RefuseWrite() const { throw EFileError({"Unable to write to ", fileName_, ""}); }
