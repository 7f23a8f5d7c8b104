#include "profile_index.h"

#include <optional>

#include "profile_lines.h"

TProfileIndex::TProfileIndex(const TProfileText& text) {
  std::optional<std::string> section;
  for (const auto& line : text.Lines()) {
    if (auto name = SectionName(line)) {
      section = LowerProfileName(*name);
    } else if (section) {
      if (auto keyLine = KeyLine(line)) {
        auto [place, added] = values_.try_emplace({*section, LowerProfileName(keyLine->name)});
        if (added) place->second = ProfileValue(line, keyLine->valueStart);
      }
    }
  }
}

std::string TProfileIndex::Read(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const auto found = values_.find({LowerProfileName(section), LowerProfileName(key)});
  return CutProfileValue(found != values_.end() ? found->second : defaultValue);
}
