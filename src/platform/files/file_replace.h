#pragma once
// Whole-file reads and crash-safe whole-file replacement.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

enum class TFileState { Read, Missing, Unreadable };

struct TFileContents {
  TFileState State;
  std::string Bytes;  // empty unless State is Read
  std::string Error;  // why it was not read: the system's error text
};

// Only a regular file of at most maxSize bytes is read; a larger file, a
// folder, a pipe or a device is Unreadable.
TFileContents ReadFileContents(const std::string& fileName,
                               std::size_t maxSize = std::numeric_limits<std::size_t>::max());

// Writes the bytes to a new file in the same folder, flushes it to disk and
// renames it over the file, so that the file holds either its old text or
// the new one. An existing file keeps its permission bits (and its owner
// where the process may keep it); a symbolic link is followed and kept.
// On a failure the file is untouched and no temporary file is left, and
// the step that failed goes to the pelnor.files log with the system's
// error text.
enum class TFileReplaceResult {
  Replaced,
  OpenFailed,   // the file is no writable regular file, or its folder takes no new file
  WriteFailed,  // writing, flushing or renaming failed
};

TFileReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes);
