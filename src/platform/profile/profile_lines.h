#pragma once
// How the profile functions see one line of an INI file: a section header,
// a key line or neither, and what a key line's value reads as.
#include <cstddef>
#include <optional>
#include <string>

// Most characters a read returns; longer values are cut.
inline constexpr std::size_t MaxProfileValueLength = 2047;

// Names match without regard to case (ASCII letters only).
bool SameProfileName(const std::string& a, const std::string& b);
std::string LowerProfileName(const std::string& name);

// Spaces and tabs at the ends removed, as around names.
std::string TrimWhiteSpace(const std::string& text);

bool HasLineBreak(const std::string& text);

// "[name]" with spaces or tabs allowed around the brackets and the name.
std::optional<std::string> SectionName(const std::string& line);

struct TKeyLine {
  std::string name;
  std::size_t valueStart;  // just after the first "="
};
// "name=value"; comment lines (";") and section headers are no keys.
std::optional<TKeyLine> KeyLine(const std::string& line);

// The value after valueStart as a read returns it: spaces (not tabs) at
// its ends and one pair of enclosing matching quotes removed.
std::string ProfileValue(const std::string& line, std::size_t valueStart);

// The text cut to MaxProfileValueLength.
std::string CutProfileValue(std::string value);
