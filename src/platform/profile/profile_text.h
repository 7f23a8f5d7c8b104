#pragma once
// The text of a profile (INI) file as lines, with the profile functions'
// rules for finding, reading and writing a key. Lines that are neither
// section headers nor keys (comments, blank lines, anything else) are kept
// byte for byte; writing never removes a line.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "profile_lines.h"

class TProfileText {
 public:
  // Most characters a read returns; longer values are cut.
  static constexpr std::size_t MaxValueLength = MaxProfileValueLength;

  TProfileText() = default;
  // Splits the bytes into lines at LF; a CR before the LF belongs to the
  // line ending.
  explicit TProfileText(const std::string& bytes);

  // The key's value as ProfileValue gives it, from the first key line of
  // that name in a section of that name, or the default when there is
  // none; cut to MaxValueLength. Names match without regard to case.
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;

  // Replaces the value on the key's own line, or adds the key after the
  // last line of its section (of the first, when it is repeated), or adds
  // the section at the end of the text. False, and nothing changed, when a
  // name or the value holds a line break or a name would not read back as
  // itself.
  bool Write(const std::string& section, const std::string& key, const std::string& value);

  // The text with every line ending in CR LF.
  std::string Bytes() const;
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct TKeyPlace {
    std::size_t line;
    std::size_t valueStart;  // just after the first "="
  };
  std::optional<TKeyPlace> FindKey(const std::string& section, const std::string& key) const;
  std::optional<std::size_t> SectionEnd(const std::string& section) const;

  std::vector<std::string> lines_;
};
