#pragma once
// A message that quotes a file name: control text before and after it, and
// the name in the file system's bytes, which is shown as the file dialogs
// show it.
#include <string>

struct TTextNamingFile {
  std::string Before;
  std::string FileName;
  std::string After;

  std::string Text() const { return Before + FileName + After; }
};
