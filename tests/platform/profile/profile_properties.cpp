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

// Whether b is a with one line replaced, one line inserted, or two lines
// added at the end: what is left of each after their common first and
// last lines.
bool OneLineChanged(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  const std::size_t shorter = std::min(a.size(), b.size());
  std::size_t head = 0;
  while (head < shorter && a[head] == b[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
  const std::size_t removed = a.size() - head - tail;
  const std::size_t added = b.size() - head - tail;
  if (removed == 1) return added == 1;
  return removed == 0 && (added <= 1 || (added == 2 && head == a.size()));
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

  TProfileText written(parts[0]);
  if (written.Write(section, key, value) != TProfileWriteResult::Written) {
    return written.Lines() == original.Lines() ? "" : "a refused write changed the text";
  }
  const auto grown = written.Lines().size() - original.Lines().size();
  if (grown > 2) return "a write added more than two lines";
  if (!OneLineChanged(original.Lines(), written.Lines())) return "a write changed more than its own line";
  const TProfileText reread(written.Bytes());
  if (reread.Read(section, key, "\x01missing") != Expected(value)) return "the written value does not read back";
  if (written.Read(section, key, "\x01missing") != Expected(value)) return "the text's index misses the write";
  // The index kept up by the write places the next write as a fresh parse does.
  TProfileText again(written.Bytes());
  written.Write(section, key + "2", value);
  again.Write(section, key + "2", value);
  if (written.Bytes() != again.Bytes()) return "the index kept by a write differs from a fresh parse";

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
