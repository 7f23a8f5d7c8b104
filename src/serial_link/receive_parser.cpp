#include "receive_parser.h"

#include <algorithm>

#include "hex_bytes.h"
#include "link_frame.h"
#include "log_categories.h"

namespace {

TLinkFrame FrameAt(const TReceiveRing& ring) {
  TLinkFrame frame;
  for (std::uint32_t i = 0; i < LinkFrameLength; ++i) frame[i] = ring.At(i);
  return frame;
}

std::uint16_t BigEndianAt(const TReceiveRing& ring, std::uint32_t offset) {
  return static_cast<std::uint16_t>(ring.At(offset) << 8 | ring.At(offset + 1));
}

// State 0. False when a frame start waits for the rest of its frame.
bool SearchFrame(TLinkReceiver& receiver, TReceiveEvents& events) {
  TReceiveRing& ring = receiver.Ring;
  if (ring.At(0) != LinkFrameStart) {
    ring.Advance(1);
    return true;
  }
  if (ring.Available() < LinkFrameLength) return false;
  const std::uint8_t code = ring.At(1);
  const bool checksumOk = FrameChecksumOk(ring, LinkFrameLength);
  switch (code) {
    case FirmwarePageAck:
    case ConfigPageAck:
      qCDebug(lcSerialTrace, "received frame %s", qPrintable(HexBytes(FrameAt(ring).data(), LinkFrameLength)));
      if (!checksumOk) {
        qCInfo(lcSerial, "acknowledgement 0x%02X with a bad frame checksum skipped", code);
        break;
      }
      ring.Advance(LinkFrameLength);
      if (code == FirmwarePageAck) {
        events.OnFirmwarePageAck();
      } else {
        events.OnConfigPageAck();
      }
      return true;
    case ConfigPageData:
      qCDebug(lcSerialTrace, "received frame %s", qPrintable(HexBytes(FrameAt(ring).data(), LinkFrameLength)));
      if (!checksumOk) {
        qCInfo(lcSerial, "page reply with a bad frame checksum skipped");
        ring.Advance(1);
        events.LogLine(EepromFrameChecksumErrorLine);
        return true;
      }
      receiver.PageIndex = BigEndianAt(ring, 2);
      receiver.PageSum = BigEndianAt(ring, 4);
      ring.Advance(LinkFrameLength);
      receiver.State = TParserState::PageData;
      return true;
    default:
      break;
  }
  ring.Advance(1);
  return true;
}

// State 1. False while the page is not all in.
bool TakePage(TLinkReceiver& receiver, TReceivedImage image, TReceiveEvents& events) {
  TReceiveRing& ring = receiver.Ring;
  if (ring.Available() < LinkPageLength) return false;
  TLinkPage page;
  for (std::uint32_t i = 0; i < LinkPageLength; ++i) page[i] = ring.At(i);
  ring.Advance(LinkPageLength);
  receiver.State = TParserState::FrameSearch;
  qCDebug(lcSerialTrace, "received page %s", qPrintable(HexBytes(page.data(), LinkPageLength)));
  // A page that fails its sum may carry a spoiled index too: it is named
  // bad before its index is looked at.
  if (const std::uint16_t sum = PageSum(page); sum != receiver.PageSum) {
    qCInfo(lcSerial, "page %u: page sum 0x%04X differs from the frame's 0x%04X; page dropped",
           receiver.PageIndex, sum, receiver.PageSum);
    events.LogLine(EepromPageDataChecksumErrorLine);
    return true;
  }
  if (receiver.PageIndex >= image.size() / LinkPageLength) {
    qCInfo(lcSerial, "page index %u refused: the image has pages 0 to %zu", receiver.PageIndex,
           image.size() / LinkPageLength - 1);
    events.LogLine(EepromPageIndexErrorLine);
    return true;
  }
  if (!events.TakesConfigPage(receiver.PageIndex)) return true;
  std::copy(page.begin(), page.end(), image.begin() + receiver.PageIndex * LinkPageLength);
  events.OnConfigPageReceived();
  return true;
}

}  // namespace

void ResetReceiveRing(TLinkReceiver& receiver) {
  receiver.Ring.Clear();
  receiver.State = TParserState::FrameSearch;
}

bool FrameChecksumOk(const TReceiveRing& ring, std::uint8_t length) {
  std::uint8_t sum = 0;
  for (std::uint32_t i = 1; i + 1 < length; ++i) sum = static_cast<std::uint8_t>(sum + ring.At(i));
  return ring.At(length - 1u) == sum;
}

void ParseReceived(TLinkReceiver& receiver, TReceivedImage image, TReceiveEvents& events) {
  while (receiver.Ring.Available() > 0) {
    const bool moved = receiver.State == TParserState::FrameSearch ? SearchFrame(receiver, events)
                                                                   : TakePage(receiver, image, events);
    if (!moved) return;
  }
}
