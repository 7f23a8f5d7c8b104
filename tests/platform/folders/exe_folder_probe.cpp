// Writes the application object's ExeFolder to standard output.
#include <QCoreApplication>
#include <cstdio>

#include "application.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string folder = Application->ExeFolder();
  std::fwrite(folder.data(), 1, folder.size(), stdout);
  return 0;
}
