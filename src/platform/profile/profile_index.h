#pragma once
// A profile text parsed once for many reads, its values taken out once:
// each read gives what TProfileText::Read gives on the same bytes.
#include <map>
#include <string>
#include <utility>

#include "profile_text.h"

class TProfileIndex {
 public:
  explicit TProfileIndex(const TProfileText& text) : values_(text.Values()) {}

  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};
