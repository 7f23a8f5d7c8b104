#pragma once
// The INI file class, for writing. Writes are gathered over the file's
// text and reach the file in one replacement by UpdateFile, so a writer
// that fails half-way leaves the file as it was; releasing the object
// without UpdateFile writes nothing. A file is read through a TProfileText
// of its bytes.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "profile_text.h"

class TIniFile {
 public:
  // The first write reads the file; an existing file larger than
  // maxFileSize is refused as one that cannot be read, without reading it,
  // and no larger text is written.
  explicit TIniFile(std::string fileName, std::size_t maxFileSize = std::numeric_limits<std::size_t>::max())
      : fileName_(std::move(fileName)), maxFileSize_(maxFileSize) {}

  // Each raises EFileError "<key> holds a line break and cannot be written
  // to <file name>." for a value with a line break, and "Unable to write to
  // <file name>" when the file cannot be read or a name cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1" or "0"

  // Replaces the file with the written text; raises "Unable to write to
  // <file name>" when the replacement is refused, the file then unchanged.
  // False, with nothing written, when the text is larger than maxFileSize.
  [[nodiscard]] bool UpdateFile();

 private:
  [[noreturn]] void RefuseWrite() const;

  std::string fileName_;
  std::size_t maxFileSize_;
  std::optional<TProfileText> written_;
};
