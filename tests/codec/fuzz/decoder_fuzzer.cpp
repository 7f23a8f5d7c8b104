// libFuzzer target: arbitrary bytes as a received image through the decoder.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Unit1.h"
#include "Unit4.h"
#include "decoded_image_properties.h"
#include "scripted_dialogs.h"

namespace {
std::unique_ptr<QApplication> App;
std::unique_ptr<ScriptedDialogs> Boxes;
std::unique_ptr<TForm1> Window;
std::unique_ptr<TForm4> Filter;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  App = std::make_unique<QApplication>(*argc, *argv);
  Boxes = std::make_unique<ScriptedDialogs>();
  Window = std::make_unique<TForm1>();
  Filter = std::make_unique<TForm4>();
  Form4 = Filter.get();
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
