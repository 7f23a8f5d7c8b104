#pragma once
// The frame parser of the serial link: finds the device's replies in the
// receive ring, checks them, stores configuration pages and hands each good
// reply on. Runs on the worker alone.
#include <cstdint>
#include <span>
#include <string_view>

#include "configuration_layout.h"
#include "receive_ring.h"

inline constexpr char EepromFrameChecksumErrorLine[] = "Eeprom frame checksum error.";
inline constexpr char EepromPageDataChecksumErrorLine[] = "Eeprom page data checksum error.";
inline constexpr char EepromPageIndexErrorLine[] = "Eeprom page index error.";

enum class TParserState : std::uint8_t { FrameSearch = 0, PageData = 1 };

// The ring with the parser's state; PageIndex and PageSum come from the
// last good 0x91 frame.
struct TLinkReceiver {
  TReceiveRing Ring;
  TParserState State = TParserState::FrameSearch;
  std::uint16_t PageIndex = 0;
  std::uint16_t PageSum = 0;
};

// Where the parser's results go. Each call comes after the ring has moved
// past the reply, so a handler may send the next page at once.
class TReceiveEvents {
 public:
  // A good 0x41 and a good 0x81 frame.
  virtual void OnFirmwarePageAck() = 0;
  virtual void OnConfigPageAck() = 0;
  // Asked for a 0x91 reply's page whose sum is right and whose index lies
  // inside the image, before it is stored: false drops the page unstored,
  // with no event.
  virtual bool TakesConfigPage(std::uint16_t page) = 0;
  // A good page of a 0x91 reply, already stored in the image.
  virtual void OnConfigPageReceived() = 0;
  // A line for the log box.
  virtual void LogLine(std::string_view line) = 0;

 protected:
  ~TReceiveEvents() = default;
};

using TReceivedImage = std::span<std::uint8_t, ConfigurationImageSize>;

// Empties the ring and puts the parser back into frame search.
void ResetReceiveRing(TLinkReceiver& receiver);

// True when the byte length - 1 places after the read index is the 8-bit
// sum of the bytes 1 to length - 2 places after it.
bool FrameChecksumOk(const TReceiveRing& ring, std::uint8_t length);

// Consumes the ring as far as complete frames and pages allow. A page is
// written into image only at the place its index names inside the image;
// a page whose sum is wrong, whatever its index, and then a page whose index
// lies past the image are dropped with a log line; one the events do not
// take is dropped silently.
void ParseReceived(TLinkReceiver& receiver, TReceivedImage image, TReceiveEvents& events);
