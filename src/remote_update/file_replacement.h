#pragma once
// Replacing a file's contents all at once: the bytes go to a new file in
// the same folder, which is flushed to disk and renamed over the target, so
// the target holds either its old contents or all of the new ones.
#include <cstdint>
#include <span>
#include <string>

enum class TFileReplaceResult {
  Replaced,
  OpenFailed,   // the target is not a writable regular file, or its folder takes no new file
  WriteFailed,  // writing, flushing or renaming failed; the target is untouched
};

// A link to a file is followed; an existing file keeps its permission bits.
// No new file remains behind on any failure.
TFileReplaceResult ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes);
