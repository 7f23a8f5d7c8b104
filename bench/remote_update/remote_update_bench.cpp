// Building a remote update file with the largest firmware image: in memory
// alone, and written to disk (flushed and renamed over the previous file).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "file_replace.h"
#include "firmware_resource.h"
#include "remote_update_file.h"

namespace {

const std::array<std::uint8_t, ConfigurationImageSize> image = [] {
  std::array<std::uint8_t, ConfigurationImageSize> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
  return bytes;
}();

const std::vector<std::uint8_t> firmware(FirmwareBufferSize, 0x5A);

void AssembleLargestFile(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(AssembleRemoteUpdateFile(image, firmware, 1700000000));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (FirmwareBufferSize + 2560));
}
BENCHMARK(AssembleLargestFile)->Unit(benchmark::kMillisecond);

void AssembleAndWriteLargestFile(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / ("remote_update_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "update.ruf").string();
  for (auto _ : state) {
    const auto file = AssembleRemoteUpdateFile(image, firmware, 1700000000);
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    if (ReplaceFileContents(path, bytes) != TFileReplaceResult::Replaced) state.SkipWithError("write failed");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(AssembleAndWriteLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
