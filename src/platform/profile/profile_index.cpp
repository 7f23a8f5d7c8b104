#include "profile_index.h"

#include "profile_lines.h"

std::string TProfileIndex::Read(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const auto found = values_.find({LowerProfileName(section), LowerProfileName(key)});
  return CutProfileValue(found != values_.end() ? found->second : defaultValue);
}
