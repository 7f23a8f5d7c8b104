#include "profile_properties.h"

#include <algorithm>
#include <vector>

#include "profile_text.h"

namespace {

std::vector<std::string> Split(const std::string& input) {
  std::vector<std::string> parts(4);
  std::size_t part = 0;
  for (char c : input) {
    if (static_cast<unsigned char>(c) == 0xFF && part < 3) {
      ++part;
    } else {
      parts[part] += c;
    }
  }
  return parts;
}

std::string Expected(const std::string& value) {
  return TProfileText("[S]\r\nK=" + value + "\r\n").Read("S", "K", "");
}

// Whether the lines of a, less at most one, appear in b in order.
bool KeptInOrder(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::size_t j = 0;
  int skipped = 0;
  for (const auto& line : a) {
    auto found = std::find(b.begin() + static_cast<std::ptrdiff_t>(j), b.end(), line);
    if (found == b.end()) {
      if (++skipped > 1) return false;
      continue;
    }
    j = static_cast<std::size_t>(found - b.begin()) + 1;
  }
  return true;
}

}  // namespace

std::string CheckProfileProperties(const std::string& input) {
  const auto parts = Split(input);
  const std::string& section = parts[1];
  const std::string& key = parts[2];
  const std::string& value = parts[3];

  const TProfileText original(parts[0]);
  if (TProfileText(original.Bytes()).Lines() != original.Lines()) return "rewriting changes the lines";
  if (original.Read(section, key, "").size() > TProfileText::MaxValueLength) return "read longer than the limit";

  TProfileText written = original;
  if (!written.Write(section, key, value)) {
    return written.Lines() == original.Lines() ? "" : "a refused write changed the text";
  }
  const auto grown = written.Lines().size() - original.Lines().size();
  if (grown > 2) return "a write added more than two lines";
  if (!KeptInOrder(original.Lines(), written.Lines())) return "a write removed or moved lines";
  const TProfileText reread(written.Bytes());
  if (reread.Read(section, key, "\x01missing") != Expected(value)) return "the written value does not read back";

  // Every other key of the original reads as before, in the written
  // section and in one other.
  for (const auto& line : original.Lines()) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string other = line.substr(0, equals);
    const bool sameKey = TProfileText("[S]\r\n" + other + "=x\r\n").Read("S", key, "") == "x";
    for (const std::string& name : {section, std::string("S")}) {
      const bool sameSection = TProfileText("[" + name + "]\r\nK=x\r\n").Read(section, "K", "") == "x";
      if (sameKey && sameSection) continue;
      if (original.Read(name, other, "\x01") != reread.Read(name, other, "\x01")) return "a write changed another key";
    }
  }
  return "";
}
