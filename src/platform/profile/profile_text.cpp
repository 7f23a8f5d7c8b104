#include "profile_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// "[name]" with blanks allowed around the brackets and the name.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.find(']');
  if (close == std::string::npos) return std::nullopt;
  return TrimBlanks(trimmed.substr(1, close - 1));
}

struct TKeyLine {
  std::string name;
  std::size_t valueStart;
};

// "name=value"; comment lines (";") and section headers are no keys.
std::optional<TKeyLine> KeyLine(const std::string& line) {
  const std::string trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string::npos) return std::nullopt;
  std::string name = TrimBlanks(line.substr(0, equals));
  if (name.empty()) return std::nullopt;
  return TKeyLine{std::move(name), equals + 1};
}

std::string Unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

bool WritableSectionName(const std::string& name) {
  return !name.empty() && !HasLineBreak(name) && name.find(']') == std::string::npos && TrimBlanks(name) == name;
}

bool WritableKeyName(const std::string& name) {
  return !name.empty() && !HasLineBreak(name) && name.find('=') == std::string::npos &&
         name.front() != ';' && name.front() != '[' && TrimBlanks(name) == name;
}

}  // namespace

TProfileText::TProfileText(const std::string& bytes) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    auto end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(std::move(line));
    start = end + 1;
  }
}

std::optional<TProfileText::TKeyPlace> TProfileText::FindKey(const std::string& section,
                                                             const std::string& key) const {
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (auto name = SectionName(lines_[i])) {
      inSection = SameName(*name, section);
    } else if (inSection) {
      auto keyLine = KeyLine(lines_[i]);
      if (keyLine && SameName(keyLine->name, key)) return TKeyPlace{i, keyLine->valueStart};
    }
  }
  return std::nullopt;
}

// Where a new key of the section goes: after its last key line, or after
// its header when it has none. Nothing when the text lacks the section.
std::optional<std::size_t> TProfileText::SectionEnd(const std::string& section) const {
  std::optional<std::size_t> end;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (auto name = SectionName(lines_[i])) {
      if (end) return end;
      if (SameName(*name, section)) end = i + 1;
    } else if (end && KeyLine(lines_[i])) {
      end = i + 1;
    }
  }
  return end;
}

std::string TProfileText::Read(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
  const auto place = FindKey(section, key);
  std::string value =
      place ? Unquoted(TrimBlanks(lines_[place->line].substr(place->valueStart))) : defaultValue;
  if (value.size() > MaxValueLength) value.resize(MaxValueLength);
  return value;
}

bool TProfileText::Write(const std::string& section, const std::string& key, const std::string& value) {
  if (!WritableSectionName(section) || !WritableKeyName(key) || HasLineBreak(value)) return false;
  if (const auto place = FindKey(section, key)) {
    std::string& line = lines_[place->line];
    line = line.substr(0, place->valueStart) + value;
  } else if (const auto end = SectionEnd(section)) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*end), key + "=" + value);
  } else {
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + value);
  }
  return true;
}

std::string TProfileText::Bytes() const {
  std::string bytes;
  for (const auto& line : lines_) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}
