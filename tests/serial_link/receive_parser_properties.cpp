#include "receive_parser_properties.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "read_port.h"
#include "receive_parser_probe.h"

namespace {

// The parser's rules read straight off a growing byte vector.
class TPlainParser {
 public:
  TPlainParser() { image_.fill(TGuardedImage::GuardByte); }

  void Feed(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    Run();
  }
  void Reset() {
    pending_.clear();
    at_ = 0;
    pageData_ = false;
  }
  std::vector<std::string> Events;
  const std::array<std::uint8_t, ConfigurationImageSize>& Image() const { return image_; }

 private:
  void Run() {
    for (;;) {
      const std::size_t left = pending_.size() - at_;
      if (left == 0) break;
      const std::uint8_t* p = pending_.data() + at_;
      if (!pageData_) {
        if (p[0] != 0xFF) {
          ++at_;
          continue;
        }
        if (left < 8) break;
        const bool ok = static_cast<std::uint8_t>(p[1] + p[2] + p[3] + p[4] + p[5] + p[6]) == p[7];
        if (ok && (p[1] == 0x41 || p[1] == 0x81)) {
          Events.emplace_back(p[1] == 0x41 ? FirmwareAckEvent : ConfigAckEvent);
          at_ += 8;
          continue;
        }
        if (ok && p[1] == 0x91) {
          index_ = static_cast<std::uint16_t>(p[2] * 256 + p[3]);
          sum_ = static_cast<std::uint16_t>(p[4] * 256 + p[5]);
          pageData_ = true;
          at_ += 8;
          continue;
        }
        if (p[1] == 0x91) Events.emplace_back(EepromFrameChecksumErrorLine);
        ++at_;
        continue;
      }
      if (left < 128) break;
      unsigned sum = 0;
      for (int i = 0; i < 128; ++i) sum += p[i];
      pageData_ = false;
      if (static_cast<std::uint16_t>(sum) != sum_) {
        Events.emplace_back(EepromPageDataChecksumErrorLine);
      } else if (index_ >= 16) {
        Events.emplace_back(EepromPageIndexErrorLine);
      } else {
        std::copy(p, p + 128, image_.begin() + index_ * 128);
        Events.emplace_back(PageEvent);
      }
      at_ += 128;
    }
  }

  std::vector<std::uint8_t> pending_;
  std::size_t at_ = 0;
  bool pageData_ = false;
  std::uint16_t index_ = 0;
  std::uint16_t sum_ = 0;
  std::array<std::uint8_t, ConfigurationImageSize> image_;
};

// Where ParseReceived may stop: with nothing left, or waiting for the rest
// of a frame or of a page.
bool StoppedWhereItMust(const TLinkReceiver& receiver) {
  const TReceiveRing& ring = receiver.Ring;
  if (ring.Available() == 0) return true;
  if (receiver.State == TParserState::PageData) return ring.Available() < LinkPageLength;
  return ring.At(0) == LinkFrameStart && ring.Available() < LinkFrameLength;
}

}  // namespace

std::string CheckReceiveParser(std::span<const std::uint8_t> stream, std::uint32_t chunkSeed) {
  // Large members: kept off the stack of a fuzzer's thread.
  auto receiver = std::make_unique<TLinkReceiver>();
  auto guarded = std::make_unique<TGuardedImage>();
  TRecordedEvents events;
  TPlainParser plain;
  std::uint32_t draw = chunkSeed;
  std::size_t at = 0;
  while (at < stream.size()) {
    draw = draw * 1664525u + 1013904223u;
    if ((draw >> 24) < 4) {
      ResetReceiveRing(*receiver);
      plain.Reset();
    }
    const std::size_t length = std::min<std::size_t>(1 + (draw >> 8) % 128, stream.size() - at);
    const auto read = stream.subspan(at, length);
    at += length;
    StoreReceived(receiver->Ring, read.data(), static_cast<std::uint32_t>(read.size()));
    ParseReceived(*receiver, guarded->Image(), events);
    plain.Feed(read);
    if (!guarded->GuardsIntact()) return "write outside the image after byte " + std::to_string(at);
    if (!StoppedWhereItMust(*receiver)) return "parser stopped early after byte " + std::to_string(at);
  }
  if (events.Events != plain.Events) return "results differ from the plain reading";
  const auto image = guarded->Image();
  if (!std::equal(image.begin(), image.end(), plain.Image().begin())) return "image differs from the plain reading";
  return {};
}
