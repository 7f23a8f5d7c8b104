#pragma once
// Whole-file reads and crash-safe whole-file replacement.
#include <string>

enum class TFileState { Read, Missing, Unreadable };

struct TFileContents {
  TFileState State;
  std::string Bytes;  // empty unless State is Read
};

TFileContents ReadFileContents(const std::string& fileName);

// Writes the bytes to a new file in the same folder, flushes it to disk and
// renames it over the file, so that the file holds either its old text or
// the new one. An existing file keeps its permission bits (and its owner
// where the process may keep it); a symbolic link is followed and kept.
// False, with the file untouched and no temporary file left, when the file
// exists but may not be written, or when creating, writing, flushing or
// renaming fails.
bool ReplaceFileContents(const std::string& fileName, const std::string& bytes);
