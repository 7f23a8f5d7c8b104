#pragma once
// The INI file class over the profile functions. Reads go to the file at
// once, or to the file's bytes as the caller read them, parsed once. Writes are gathered over the file's text and reach the file in one
// replacement by UpdateFile, so a writer that fails half-way leaves the
// file as it was; releasing the object without UpdateFile writes nothing.
#include <cstdint>
#include <optional>
#include <string>

#include "profile_index.h"
#include "profile_text.h"

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  // Reads answered from bytes, the file's contents as the caller read them.
  TIniFile(std::string fileName, const std::string& bytes)
      : fileName_(std::move(fileName)), loaded_(TProfileText(bytes)) {}

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The value by the integer conversion; the default when it does not convert.
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
  // ReadInteger not 0.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

  // Each raises Exception "<key> holds a line break and cannot be written
  // to <file name>." for a value with a line break, and "Unable to write to
  // <file name>" when the file cannot be read or a name cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1" or "0"

  // Replaces the file with the written text; raises "Unable to write to
  // <file name>" when the replacement is refused, the file then unchanged.
  void UpdateFile();

 private:
  [[noreturn]] void RefuseWrite() const;

  std::string fileName_;
  std::optional<TProfileIndex> loaded_;
  std::optional<TProfileText> written_;
};
