// One encode and one decode of the factory settings.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "scripted_dialogs.h"

namespace {

struct Workbench {
  Workbench() { Form4 = filter.get(); }
  ~Workbench() { Form4 = nullptr; }
  ScriptedDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();
};

void EncodeFactorySettings(benchmark::State& state) {
  Workbench bench;
  for (auto _ : state) {
    if (EncodeConfigurationImage(bench.form.get()) != 1) state.SkipWithError("the encode failed");
    benchmark::DoNotOptimize(bench.form->ConfigurationImage);
  }
  if (!bench.dialogs.boxes.empty()) state.SkipWithError("the encode showed a box");
}
BENCHMARK(EncodeFactorySettings)->Unit(benchmark::kMicrosecond);

void DecodeFactorySettings(benchmark::State& state) {
  Workbench bench;
  EncodeConfigurationImage(bench.form.get());
  std::memcpy(ReceivedImage, bench.form->ConfigurationImage, ConfigurationImageSize);
  for (auto _ : state) {
    if (DecodeConfigurationImage(bench.form.get()) != 1) state.SkipWithError("the decode failed");
  }
  if (!bench.dialogs.boxes.empty()) state.SkipWithError("the decode showed a box");
}
BENCHMARK(DecodeFactorySettings)->Unit(benchmark::kMicrosecond);

}  // namespace
