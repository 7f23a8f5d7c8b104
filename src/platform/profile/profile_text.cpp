#include "profile_text.h"

#include <optional>

#include "integer_conversion.h"
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
    std::string& line = lines_.emplace_back(bytes, start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
  }

  std::optional<std::string> section;
  TLine* sectionEnd = nullptr;  // while in the first occurrence of the section
  for (auto line = lines_.begin(); line != lines_.end(); ++line) {
    if (auto name = SectionName(*line)) {
      section = LowerProfileName(*name);
      const auto [entry, first] = sectionEnds_.try_emplace(*section, line);
      sectionEnd = first ? &entry->second : nullptr;
    } else if (section) {
      if (sectionEnd) *sectionEnd = line;
      if (auto keyLine = KeyLine(*line)) {
        keys_.try_emplace({*section, LowerProfileName(keyLine->name)}, TKeyPlace{line, keyLine->valueStart});
      }
    }
  }
}

std::string TProfileText::Read(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
  const auto found = keys_.find({LowerProfileName(section), LowerProfileName(key)});
  return CutProfileValue(found != keys_.end() ? ProfileValue(*found->second.line, found->second.valueStart)
                                              : defaultValue);
}

std::int32_t TProfileText::ReadInteger(const std::string& section, const std::string& key,
                                       std::int32_t defaultValue) const {
  return TryStrToInt(Read(section, key, "")).value_or(defaultValue);
}

bool TProfileText::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

TProfileWriteResult TProfileText::Write(const std::string& section, const std::string& key,
                                        const std::string& value) {
  if (HasLineBreak(value)) return TProfileWriteResult::LineBreakInValue;
  if (!WritableSectionName(section) || !WritableKeyName(key)) return TProfileWriteResult::NameRefused;
  std::pair names{LowerProfileName(section), LowerProfileName(key)};
  if (const auto found = keys_.find(names); found != keys_.end()) {
    found->second.line->replace(found->second.valueStart, std::string::npos, value);
    return TProfileWriteResult::Written;
  }
  auto end = sectionEnds_.find(names.first);
  if (end == sectionEnds_.end()) {
    lines_.push_back("[" + section + "]");
    end = sectionEnds_.emplace(names.first, std::prev(lines_.end())).first;
  }
  end->second = lines_.insert(std::next(end->second), key + "=" + value);
  keys_.emplace(std::move(names), TKeyPlace{end->second, key.size() + 1});
  return TProfileWriteResult::Written;
}

std::string TProfileText::Bytes() const {
  std::string bytes;
  for (const auto& line : lines_) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::vector<std::string> TProfileText::Lines() const { return {lines_.begin(), lines_.end()}; }
