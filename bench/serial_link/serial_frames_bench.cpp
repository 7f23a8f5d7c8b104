// The worker's own costs per page: parsing a reply out of the ring, and one
// synchronous hand-over to a user-interface thread that sleeps in its
// event loop.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <string_view>
#include <vector>

#include "link_frame.h"
#include "read_port.h"
#include "worker_thread.h"

namespace {

class TCountedEvents : public TReceiveEvents {
 public:
  void OnFirmwarePageAck() override { ++Replies; }
  void OnConfigPageAck() override { ++Replies; }
  bool TakesConfigPage(std::uint16_t) override { return true; }
  void OnConfigPageReceived() override { ++Replies; }
  void LogLine(std::string_view) override {}
  int Replies = 0;
};

std::vector<std::uint8_t> FrameBytes(std::uint8_t code, std::uint16_t page, std::uint16_t sum) {
  const TLinkFrame frame = LinkFrame(code, page, sum);
  return {frame.begin(), frame.end()};
}

std::vector<std::uint8_t> PageReplyBytes() {
  TLinkPage page;
  for (std::size_t i = 0; i < page.size(); ++i) page[i] = static_cast<std::uint8_t>(i * 7);
  std::vector<std::uint8_t> bytes = FrameBytes(ConfigPageData, 9, PageSum(page));
  bytes.insert(bytes.end(), page.begin(), page.end());
  return bytes;
}

// One reply stored and parsed a pass.
void ParseReply(benchmark::State& state, const std::vector<std::uint8_t>& reply) {
  TLinkReceiver receiver;
  std::vector<std::uint8_t> image(ConfigurationImageSize);
  TCountedEvents events;
  for (auto _ : state) {
    StoreReceived(receiver.Ring, reply.data(), static_cast<std::uint32_t>(reply.size()));
    ParseReceived(receiver, TReceivedImage(image.data(), image.size()), events);
  }
  if (events.Replies != state.iterations()) state.SkipWithError("reply lost");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(reply.size()));
}
BENCHMARK_CAPTURE(ParseReply, PageData, PageReplyBytes());
BENCHMARK_CAPTURE(ParseReply, Ack, FrameBytes(FirmwarePageAck, 0, 0));

// A worker that hands over an empty routine a number of times, then ends
// the event loop it was served from.
class THandOverWorker : public TThread {
 public:
  THandOverWorker(int count, QEventLoop& loop) : count_(count), loop_(loop) {}

 protected:
  void Execute() override {
    for (int i = 0; i < count_; ++i) Synchronize([] {});
    Queue([this] { loop_.quit(); });
  }

 private:
  int count_;
  QEventLoop& loop_;
};

void HandOverThroughEventLoop(benchmark::State& state) {
  constexpr int handOvers = 1000;
  for (auto _ : state) {
    QEventLoop loop;
    auto worker = CreateRunningThread<THandOverWorker>(handOvers, loop);
    loop.exec();
  }
  state.counters["per_hand_over"] =
      benchmark::Counter(handOvers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(HandOverThroughEventLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
