// The program's own folder keeps the bytes of its name: a copy of a small
// program in folders named outside ASCII reports exactly those folders.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "temporary_folder.h"

namespace fs = std::filesystem;

namespace {

std::string Output(const std::string& program) {
  std::string output;
  FILE* pipe = ::popen(("'" + program + "'").c_str(), "r");
  if (!pipe) return output;
  char buffer[256];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  ::pclose(pipe);
  return output;
}

TEST(ProgramFolder, KeepsTheBytesOfItsName) {
  TemporaryFolder folder;
  const std::string programFolder = folder.File("café/Документы/");
  fs::create_directories(programFolder);
  fs::copy_file(EXE_FOLDER_PROBE, programFolder + "probe");
  EXPECT_EQ(Output(programFolder + "probe"), programFolder);
}

}  // namespace
