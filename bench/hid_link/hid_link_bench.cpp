// The three HID transfers through their buttons, with the main window shown,
// against a simulated device that answers at once: what is measured is the
// program's own time per page (report, log line, progress step, the drawing
// of the log box and the bar at most once a tick and, for the upgrade, one
// round of pending messages).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "Unit1.h"
#include "Unit4.h"
#include "dialogs.h"
#include "firmware_resource.h"
#include "resources.h"
#include "simulated_hid_device.h"

namespace {

constexpr std::size_t FirmwareSize = 200704;
constexpr int ConfigurationPages = 64;

class CountingDialogs : public TDialogProvider {
 public:
  CountingDialogs() { SetDialogProvider(this); }
  ~CountingDialogs() override { SetDialogProvider(nullptr); }
  void ShowMessageBox(const TMessageBoxRequest&) override { ++boxes; }
  std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest&) override { return std::nullopt; }
  int ShowModal(TForm&) override { return 0; }
  int boxes = 0;
};

struct Workbench {
  Workbench() {
    Form1 = form.get();
    Form4 = filter.get();
    form->Show();
    QApplication::processEvents();
  }
  ~Workbench() {
    Form1 = nullptr;
    Form4 = nullptr;
  }
  // Forgets what earlier rounds left, so every round starts alike.
  void Reset() {
    form->Memo1->Clear();
    device.requests.clear();
  }
  bool Ended(const char* lastLine) const {
    const int count = form->Memo1->LineCount();
    return count > 0 && form->Memo1->Line(count - 1) == lastLine;
  }

  CountingDialogs dialogs;
  SimulatedHidDevice device;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();
};

void PerPage(benchmark::State& state, int pages) {
  state.counters["per_page"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * pages, benchmark::Counter::kIsRate |
                                                                              benchmark::Counter::kInvert);
}

void WriteConfiguration(benchmark::State& state) {
  Workbench bench;
  for (auto _ : state) {
    bench.Reset();
    bench.form->Button5->Click();
  }
  if (!bench.Ended("Eeprom write success")) state.SkipWithError("the write did not succeed");
  PerPage(state, ConfigurationPages);
}
BENCHMARK(WriteConfiguration)->Unit(benchmark::kMillisecond);

void ReadConfiguration(benchmark::State& state) {
  Workbench bench;
  bench.form->Button5->Click();
  for (auto _ : state) {
    bench.Reset();
    bench.form->Button4->Click();
  }
  if (bench.dialogs.boxes != static_cast<int>(state.iterations())) state.SkipWithError("no version box");
  PerPage(state, ConfigurationPages);
}
BENCHMARK(ReadConfiguration)->Unit(benchmark::kMillisecond);

void UpgradeFirmware(benchmark::State& state) {
  Workbench bench;
  std::vector<std::uint8_t> image(FirmwareSize);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  InstallResource(FirmwareResourceId, image);
  for (auto _ : state) {
    bench.Reset();
    bench.form->Button3->Click();
  }
  RemoveResource(FirmwareResourceId);
  if (!bench.Ended("Firmware upgrade success")) state.SkipWithError("the upgrade did not succeed");
  PerPage(state, static_cast<int>((FirmwareSize + 31) / 32));
}
BENCHMARK(UpgradeFirmware)->Unit(benchmark::kMillisecond);

}  // namespace
