// Switches the pelnor.* log categories on and collects their lines through a
// Qt message handler for the lifetime of the object; everything as before
// afterwards. Lines are "category: message"; safe to log into from any thread.
#pragma once

#include <string>
#include <vector>

class LogCapture {
 public:
  explicit LogCapture(const char* rules = "pelnor.*=true");
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::string> Lines() const;
  // The lines of one category, without the "category: " prefix.
  std::vector<std::string> Lines(const std::string& category) const;
  // True when some line of the category contains every one of the fragments.
  bool Has(const std::string& category, std::initializer_list<std::string> fragments) const;
};
