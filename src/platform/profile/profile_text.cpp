#include "profile_text.h"

#include "profile_lines.h"

namespace {

bool WritableSectionName(const std::string& name) {
  return !name.empty() && !HasLineBreak(name) && name.find(']') == std::string::npos && TrimWhiteSpace(name) == name;
}

bool WritableKeyName(const std::string& name) {
  return !name.empty() && !HasLineBreak(name) && name.find('=') == std::string::npos &&
         name.front() != ';' && name.front() != '[' && TrimWhiteSpace(name) == name;
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
      inSection = SameProfileName(*name, section);
    } else if (inSection) {
      auto keyLine = KeyLine(lines_[i]);
      if (keyLine && SameProfileName(keyLine->name, key)) return TKeyPlace{i, keyLine->valueStart};
    }
  }
  return std::nullopt;
}

// Where a new key of the section goes: after its last line, whatever that
// line holds. Nothing when the text lacks the section.
std::optional<std::size_t> TProfileText::SectionEnd(const std::string& section) const {
  std::optional<std::size_t> end;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (auto name = SectionName(lines_[i])) {
      if (end) return end;
      if (SameProfileName(*name, section)) end = i + 1;
    } else if (end) {
      end = i + 1;
    }
  }
  return end;
}

std::string TProfileText::Read(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
  const auto place = FindKey(section, key);
  return CutProfileValue(place ? ProfileValue(lines_[place->line], place->valueStart) : defaultValue);
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
