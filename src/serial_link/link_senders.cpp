#include "link_senders.h"

#include "hex_bytes.h"
#include "link_frame.h"
#include "log_categories.h"

namespace {

void Write(TComHandle port, std::span<const std::uint8_t> bytes) {
  qCDebug(lcSerialTrace, "sent %s %s", bytes.size() == LinkFrameLength ? "frame" : "page",
          qPrintable(HexBytes(bytes.data(), bytes.size())));
  std::uint32_t written = 0;
  if (!WriteComPort(port, bytes.data(), static_cast<std::uint32_t>(bytes.size()), written)) {
    qCInfo(lcSerial, "write to the port failed after %u of %zu bytes", written, bytes.size());
  }
}

void SendPageHeader(TComHandle port, std::uint8_t code, std::span<const std::uint8_t> buffer, std::uint32_t page) {
  Write(port, LinkFrame(code, page, PageSum(BufferPage(buffer, page))));
}

void SendPageData(TComHandle port, std::span<const std::uint8_t> buffer, std::uint32_t page) {
  Write(port, BufferPage(buffer, page));
}

}  // namespace

void SendFirmwarePageHeader(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page) {
  SendPageHeader(port, FirmwarePageWrite, firmware, page);
}

void SendFirmwarePageData(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page) {
  SendPageData(port, firmware, page);
}

void SendConfigPageHeader(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page) {
  SendPageHeader(port, ConfigPageWrite, image, page);
}

void SendConfigPageData(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page) {
  SendPageData(port, image, page);
}

void SendConfigReadRequest(TComHandle port, std::uint32_t page) { Write(port, LinkFrame(ConfigPageRead, page, 0)); }
