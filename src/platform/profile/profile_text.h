#pragma once
// The text of a profile (INI) file as lines, with the profile functions'
// rules for finding, reading and writing a key, and the INI file class's
// rules for reading numbers and truth values. Lines that are neither
// section headers nor keys (comments, blank lines, anything else) are kept
// byte for byte; writing never removes a line. The key lines and the ends
// of the sections are indexed once, so a read or a write walks no lines.
#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "profile_lines.h"

enum class TProfileWriteResult {
  Written,
  LineBreakInValue,
  NameRefused,  // a name holds a line break or would not read back as itself
};

class TProfileText {
 public:
  // Most characters a read returns; longer values are cut.
  static constexpr std::size_t MaxValueLength = MaxProfileValueLength;

  TProfileText() = default;
  // Splits the bytes into lines at LF; a CR before the LF belongs to the
  // line ending.
  explicit TProfileText(const std::string& bytes);
  // The index refers to the text's own lines.
  TProfileText(const TProfileText&) = delete;
  TProfileText& operator=(const TProfileText&) = delete;
  TProfileText(TProfileText&&) = default;
  TProfileText& operator=(TProfileText&&) = default;

  // The key's value as ProfileValue gives it, from the first key line of
  // that name in a section of that name, or the default when there is
  // none; cut to MaxValueLength. Names match without regard to case.
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The value by the integer conversion, or the default when the key is
  // missing or its value does not convert.
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
  // ReadInteger not 0.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

  // Replaces the value on the key's own line, or adds the key after the
  // last line of its section (of the first, when it is repeated), or adds
  // the section at the end of the text. Nothing changes when it is refused.
  TProfileWriteResult Write(const std::string& section, const std::string& key, const std::string& value);

  // The text with every line ending in CR LF.
  std::string Bytes() const;
  std::vector<std::string> Lines() const;

 private:
  using TLine = std::list<std::string>::iterator;
  struct TKeyPlace {
    TLine line;
    std::size_t valueStart;  // just after the first "="
  };

  std::list<std::string> lines_;
  // Section and key names in lower case to the first key line with those names.
  std::map<std::pair<std::string, std::string>, TKeyPlace> keys_;
  // A section name in lower case to the last line of the section's first
  // occurrence: where a new key of it goes after.
  std::map<std::string, TLine> sectionEnds_;
};
