#include "profile_lines.h"

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

bool SameProfileName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string LowerProfileName(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

std::string TrimWhiteSpace(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsWhiteSpace(text[first])) ++first;
  while (last > first && IsWhiteSpace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

std::optional<std::string> SectionName(const std::string& line) {
  const std::string trimmed = TrimWhiteSpace(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.find(']');
  if (close == std::string::npos) return std::nullopt;
  return TrimWhiteSpace(trimmed.substr(1, close - 1));
}

std::optional<TKeyLine> KeyLine(const std::string& line) {
  const std::string trimmed = TrimWhiteSpace(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string::npos) return std::nullopt;
  std::string name = TrimWhiteSpace(line.substr(0, equals));
  if (name.empty()) return std::nullopt;
  return TKeyLine{std::move(name), equals + 1};
}

std::string ProfileValue(const std::string& line, std::size_t valueStart) {
  return Unquoted(TrimSpaces(line.substr(valueStart)));
}

std::string CutProfileValue(std::string value) {
  if (value.size() > MaxProfileValueLength) value.resize(MaxProfileValueLength);
  return value;
}
