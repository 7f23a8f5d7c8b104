// libFuzzer target: arbitrary bytes as a received image through the decoder.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "Unit1.h"
#include "Unit4.h"
#include "decoded_image_properties.h"
#include "scripted_dialogs.h"

// Made once and never destroyed: the fuzzer ends the process with exit(),
// and windows torn down by exit handlers outlive what Qt needs for it.
namespace {
ScriptedDialogs* Boxes;
TForm1* Window;
}  // namespace

// Fontconfig holds its font cache until FcFini, which nothing calls while the
// window lives to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  new QApplication(*argc, *argv);
  Boxes = new ScriptedDialogs();
  Window = new TForm1();
  Form4 = new TForm4();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = DecodeArbitraryImage(*Window, data, size);
  Boxes->boxes.clear();
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
