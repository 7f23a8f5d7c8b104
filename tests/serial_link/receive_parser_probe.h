#pragma once
// What the parser hands on, recorded in order, and a received image with
// guard bytes on both sides to catch a write outside it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link_frame.h"
#include "receive_parser.h"

inline constexpr char FirmwareAckEvent[] = "firmware ack";
inline constexpr char ConfigAckEvent[] = "config ack";
inline constexpr char PageEvent[] = "page received";

class TRecordedEvents : public TReceiveEvents {
 public:
  void OnFirmwarePageAck() override { Events.emplace_back(FirmwareAckEvent); }
  void OnConfigPageAck() override { Events.emplace_back(ConfigAckEvent); }
  bool TakesConfigPage(std::uint16_t page) override { return !Refused || *Refused != page; }
  void OnConfigPageReceived() override { Events.emplace_back(PageEvent); }
  void LogLine(std::string_view line) override { Events.emplace_back(line); }

  std::vector<std::string> Events;
  // A page not taken; every page is taken when none is set.
  std::optional<std::uint16_t> Refused;
};

class TGuardedImage {
 public:
  static constexpr std::size_t GuardLength = 256;
  static constexpr std::uint8_t GuardByte = 0xA5;

  TGuardedImage() { bytes_.fill(GuardByte); }

  TReceivedImage Image() { return TReceivedImage(bytes_.data() + GuardLength, ConfigurationImageSize); }
  bool GuardsIntact() const {
    auto intact = [](auto first, auto last) { return std::all_of(first, last, [](std::uint8_t b) { return b == GuardByte; }); };
    return intact(bytes_.begin(), bytes_.begin() + GuardLength) && intact(bytes_.end() - GuardLength, bytes_.end());
  }

 private:
  std::array<std::uint8_t, GuardLength + ConfigurationImageSize + GuardLength> bytes_;
};

// A 0x91 reply with its page, as the device sends it.
inline std::vector<std::uint8_t> PageReply(std::uint16_t page, const TLinkPage& bytes) {
  const TLinkFrame frame = LinkFrame(ConfigPageData, page, PageSum(bytes));
  std::vector<std::uint8_t> reply(LinkFrameLength + LinkPageLength);
  std::copy(bytes.begin(), bytes.end(), std::copy(frame.begin(), frame.end(), reply.begin()));
  return reply;
}

inline std::vector<std::uint8_t> Frame(std::uint8_t code, std::uint16_t page = 0, std::uint16_t sum = 0) {
  const TLinkFrame frame = LinkFrame(code, page, sum);
  return {frame.begin(), frame.end()};
}

// A page whose bytes start at first and count up.
inline TLinkPage CountingPage(std::uint8_t first) {
  TLinkPage page;
  for (std::size_t i = 0; i < page.size(); ++i) page[i] = static_cast<std::uint8_t>(first + i);
  return page;
}
