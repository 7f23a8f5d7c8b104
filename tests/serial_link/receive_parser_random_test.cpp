// Long seeded streams of garbage, replies and spoiled replies through the
// parser: no fault, no write outside the image, results as a plain reading
// of the stream gives them.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "receive_parser_probe.h"
#include "receive_parser_properties.h"

namespace {

// Bytes a device could send, and a few it should not.
class TStreamMaker {
 public:
  explicit TStreamMaker(std::uint32_t seed) : random_(seed) {}

  std::vector<std::uint8_t> Make(std::size_t size) {
    std::vector<std::uint8_t> stream;
    while (stream.size() < size) {
      std::vector<std::uint8_t> piece = Piece();
      if (Draw(4) == 0) Spoil(piece);
      if (Draw(10) == 0) piece.resize(Draw(static_cast<std::uint32_t>(piece.size())));
      stream.insert(stream.end(), piece.begin(), piece.end());
    }
    return stream;
  }

 private:
  std::uint32_t Draw(std::uint32_t bound) { return bound == 0 ? 0 : random_() % bound; }
  std::uint8_t Byte() {
    static constexpr std::uint8_t likely[] = {0xFF, 0x41, 0x81, 0x91, 0x00};
    return Draw(2) == 0 ? likely[Draw(sizeof likely)] : static_cast<std::uint8_t>(Draw(256));
  }

  std::vector<std::uint8_t> Piece() {
    switch (Draw(4)) {
      case 0: return Frame(FirmwarePageAck, static_cast<std::uint16_t>(Draw(65536)));
      case 1: return Frame(ConfigPageAck);
      case 2: {
        TLinkPage page;
        for (auto& b : page) b = Byte();
        static constexpr std::uint16_t odd[] = {16, 17, 0x0100, 0xFFFF};
        const auto index = Draw(5) == 0 ? odd[Draw(4)] : static_cast<std::uint16_t>(Draw(16));
        return PageReply(index, page);
      }
      default: {
        std::vector<std::uint8_t> garbage(Draw(24));
        for (auto& b : garbage) b = Byte();
        return garbage;
      }
    }
  }

  void Spoil(std::vector<std::uint8_t>& piece) {
    if (piece.empty()) return;
    piece[Draw(static_cast<std::uint32_t>(piece.size()))] = Byte();
  }

  std::mt19937 random_;
};

TEST(ReceiveParserRandom, ArbitraryStreamsKeepToTheImage) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const std::vector<std::uint8_t> stream = TStreamMaker(seed).Make(300000);
    EXPECT_EQ(CheckReceiveParser(stream, seed), "") << "seed " << seed;
  }
}

TEST(ReceiveParserRandom, UniformBytes) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> stream(200000);
  for (auto& b : stream) b = static_cast<std::uint8_t>(random());
  EXPECT_EQ(CheckReceiveParser(stream, 7), "");
}

}  // namespace
