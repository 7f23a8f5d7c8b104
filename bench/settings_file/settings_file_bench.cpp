// One export and one import of the factory settings, through the menu
// handlers, on a file in a temporary folder; and imports of files just
// under the size the import reads, and exports into files that the export
// leaves just under that size, filled with what costs the parse most.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "Unit1.h"
#include "Unit4.h"
#include "dialogs.h"
#include "settings_file_dialogs.h"

namespace {

// Answers every file dialog with one path and counts the boxes shown.
class FixedFileDialogs : public TDialogProvider {
 public:
  explicit FixedFileDialogs(std::string path) : path_(std::move(path)) { SetDialogProvider(this); }
  ~FixedFileDialogs() override { SetDialogProvider(nullptr); }
  void ShowMessageBox(const TMessageBoxRequest&) override { ++boxes; }
  std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest&) override { return path_; }
  int ShowModal(TForm&) override { return 0; }
  int boxes = 0;

 private:
  std::string path_;
};

struct Workbench {
  Workbench()
      : folder(std::filesystem::temp_directory_path() / ("settings_file_bench_" + std::to_string(getpid()))),
        dialogs((std::filesystem::create_directories(folder), (folder / "pelnor.cfg").string())) {
    Form4 = filter.get();
  }
  ~Workbench() {
    Form4 = nullptr;
    std::filesystem::remove_all(folder);
  }
  std::filesystem::path folder;
  FixedFileDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();
};

void ExportFactorySettings(benchmark::State& state) {
  Workbench bench;
  for (auto _ : state) bench.form->Savetofile1Click(nullptr);
  if (bench.dialogs.boxes != 0) state.SkipWithError("the export showed a box");
}
BENCHMARK(ExportFactorySettings)->Unit(benchmark::kMillisecond);

void ImportFactorySettings(benchmark::State& state) {
  Workbench bench;
  bench.form->Savetofile1Click(nullptr);
  for (auto _ : state) bench.form->Readfromfile1Click(nullptr);
  if (bench.dialogs.boxes != 0) state.SkipWithError("the import showed a box");
}
BENCHMARK(ImportFactorySettings)->Unit(benchmark::kMillisecond);

// Copies of one line after text, up to just under size.
std::string FillTo(std::size_t size, std::string text, const std::string& line) {
  while (text.size() + line.size() <= size) text += line;
  return text;
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The factory file followed by copies of one line.
void ImportLargeFile(benchmark::State& state, const std::string& line) {
  Workbench bench;
  bench.form->Savetofile1Click(nullptr);
  const auto path = bench.folder / "pelnor.cfg";
  const std::string text = FillTo(MaxSettingsFileSize, FileText(path), line);
  std::ofstream(path, std::ios::binary) << text;
  state.counters["bytes"] = static_cast<double>(text.size());
  for (auto _ : state) bench.form->Readfromfile1Click(nullptr);
  if (bench.dialogs.boxes != 0) state.SkipWithError("the import showed a box");
}
BENCHMARK_CAPTURE(ImportLargeFile, comment_lines, std::string("; " + std::string(60, 'c') + "\r\n"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportLargeFile, short_keys, std::string("[Radio]\r\nk=1\r\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportLargeFile, empty_lines, std::string("\n"))->Unit(benchmark::kMillisecond);

// An export into a file of copies of one line that holds none of the keys,
// as another program's file picked by mistake, with room left for the keys
// that the export adds; the file is put back before each one. The lines end
// in CR LF, as the export writes them, so that the file keeps its size.
void ExportIntoLargeFile(benchmark::State& state, const std::string& line) {
  Workbench bench;
  const auto path = bench.folder / "pelnor.cfg";
  bench.form->Savetofile1Click(nullptr);
  const std::string text = FillTo(MaxSettingsFileSize - FileText(path).size(), {}, line);
  state.counters["bytes"] = static_cast<double>(text.size());
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(path, std::ios::binary) << text;
    state.ResumeTiming();
    bench.form->Savetofile1Click(nullptr);
  }
  if (bench.dialogs.boxes != 0) state.SkipWithError("the export showed a box");
}
BENCHMARK_CAPTURE(ExportIntoLargeFile, comment_lines, std::string("; " + std::string(60, 'c') + "\r\n"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportIntoLargeFile, short_keys, std::string("[Radio]\r\nk=1\r\n"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportIntoLargeFile, empty_lines, std::string("\r\n"))->Unit(benchmark::kMillisecond);

}  // namespace
