// The three transfers against the simulated device on a pseudo-terminal:
// time per page, and the program's own turnaround (from the end of the
// device's reply to the first byte of the next page or request).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "communication.h"
#include "configuration_codec.h"
#include "dialogs.h"
#include "firmware_resource.h"
#include "resources.h"
#include "simulated_serial_device.h"
#include "transfer_log_lines.h"
#include "ui_hand_over.h"

namespace {

// Boxes are not shown: "Open port" would otherwise wait on one.
class SilentDialogs : public TDialogProvider {
 public:
  void ShowMessageBox(const TMessageBoxRequest&) override {}
  std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest&) override { return std::nullopt; }
  int ShowModal(TForm&) override { return mrCancel; }
};

// The COM edition's window with its port open on the simulated device.
class Station {
 public:
  Station() {
    SetDialogProvider(&dialogs_);
    links_.Link(1, device.DevicePath());
    Form4 = filter_.get();
    Form1 = form.get();
    form->ComboBox2->SetItemIndex(0);
    form->Button1->Click();
  }
  ~Station() {
    CommThread.reset();
    Form1 = nullptr;
    Form4 = nullptr;
    SetDialogProvider(nullptr);
  }

  // Clicks the button and serves the worker's hand-overs until done(). The
  // time counts from the log line of the transfer's first command, as the
  // worker takes a request only after its pass's read of the port.
  void Transfer(benchmark::State& state, TButton* button, const std::function<bool()>& done) {
    const std::size_t commands = device.Commands().size();
    const std::size_t turnarounds = device.TurnaroundTimes().size();
    const int lines = form->Memo1->LineCount();
    button->Click();
    ServeHandOversUntil([&] { return form->Memo1->LineCount() > lines; });
    const auto first = std::chrono::steady_clock::now();
    ServeHandOversUntil(done);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - first;
    state.SetIterationTime(elapsed.count());
    transferSeconds_ += elapsed.count();
    // After an earlier transfer the device times its first command too:
    // that wait is the request's, not a reply's.
    const std::vector<std::chrono::nanoseconds> times = device.TurnaroundTimes();
    const std::size_t skipped = turnarounds + (commands > 0 ? 1 : 0);
    turnarounds_.insert(turnarounds_.end(), times.begin() + static_cast<std::ptrdiff_t>(skipped), times.end());
  }

  bool LogEndsWith(const std::string& line) const {
    const int count = form->Memo1->LineCount();
    return count > 0 && form->Memo1->Line(count - 1) == line;
  }

  void Report(benchmark::State& state, std::uint32_t pagesPerTransfer) {
    std::sort(turnarounds_.begin(), turnarounds_.end());
    const auto micro = [](std::chrono::nanoseconds t) { return std::chrono::duration<double, std::micro>(t).count(); };
    if (!turnarounds_.empty()) {
      state.counters["turnaround_median_us"] = micro(turnarounds_[turnarounds_.size() / 2]);
      state.counters["turnaround_p99_us"] = micro(turnarounds_[turnarounds_.size() * 99 / 100]);
      state.counters["turnaround_max_us"] = micro(turnarounds_.back());
    }
    state.counters["page_us"] = transferSeconds_ * 1e6 / static_cast<double>(state.iterations() * pagesPerTransfer);
  }

  double transferSeconds_ = 0;
  std::vector<std::chrono::nanoseconds> turnarounds_;
  SilentDialogs dialogs_;
  TComLinkFolder links_;
  TSimulatedSerialDevice device;
  std::unique_ptr<TForm4> filter_ = std::make_unique<TForm4>();
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
};

void WriteConfiguration(benchmark::State& state) {
  Station station;
  for (auto _ : state) station.Transfer(state, station.form->Button5, [&] { return station.LogEndsWith(SendFinishedLine); });
  station.Report(state, 16);
}
BENCHMARK(WriteConfiguration)->Unit(benchmark::kMillisecond)->UseManualTime();

void ReadConfiguration(benchmark::State& state) {
  Station station;
  {
    TForm1 source;
    source.Callsign->SetText("SQ9XYZ");
    EncodeConfigurationImage(&source);
    station.device.SetImage({std::begin(source.ConfigurationImage), std::end(source.ConfigurationImage)});
  }
  // Each read ends with the decode setting the callsign.
  for (auto _ : state) {
    station.form->Callsign->SetText("NOCALL");
    station.Transfer(state, station.form->Button4, [&] { return station.form->Callsign->Text() == "SQ9XYZ"; });
  }
  station.Report(state, 16);
}
BENCHMARK(ReadConfiguration)->Unit(benchmark::kMillisecond)->UseManualTime();

void UploadFirmware(benchmark::State& state) {
  constexpr std::size_t FirmwareSize = 200704;
  std::vector<std::uint8_t> firmware(FirmwareSize);
  for (std::size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<std::uint8_t>(i * 31 + i / 128);
  InstallResource(FirmwareResourceId, firmware);
  Station station;
  for (auto _ : state) station.Transfer(state, station.form->Button3, [&] { return station.LogEndsWith(SendFinishedLine); });
  station.Report(state, FirmwareSize / 128 + 1);
  RemoveResource(FirmwareResourceId);
}
BENCHMARK(UploadFirmware)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
