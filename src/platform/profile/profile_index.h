#pragma once
// A profile text parsed once for many reads: each read gives what
// TProfileText::Read gives on the same bytes, without a walk of the lines.
#include <map>
#include <string>
#include <utility>

#include "profile_text.h"

class TProfileIndex {
 public:
  explicit TProfileIndex(const TProfileText& text);

  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;

 private:
  // Section and key names in lower case to the value of the first key line
  // with those names.
  std::map<std::pair<std::string, std::string>, std::string> values_;
};
