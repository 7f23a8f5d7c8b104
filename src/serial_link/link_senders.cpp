#include "link_senders.h"

#include "hex_bytes.h"
#include "link_frame.h"
#include "log_categories.h"

namespace {

bool Write(TComHandle port, std::span<const std::uint8_t> bytes) {
  qCDebug(lcSerialTrace, "sent %s %s", bytes.size() == LinkFrameLength ? "frame" : "page",
          qPrintable(HexBytes(bytes.data(), bytes.size())));
  std::uint32_t written = 0;
  if (!WriteComPort(port, bytes.data(), static_cast<std::uint32_t>(bytes.size()), written)) {
    qCInfo(lcSerial, "write to the port failed after %u of %zu bytes", written, bytes.size());
    return false;
  }
  return true;
}

bool SendPageHeader(TComHandle port, std::uint8_t code, std::span<const std::uint8_t> buffer, std::uint32_t page) {
  return Write(port, LinkFrame(code, page, PageSum(BufferPage(buffer, page))));
}

bool SendPageData(TComHandle port, std::span<const std::uint8_t> buffer, std::uint32_t page) {
  return Write(port, BufferPage(buffer, page));
}

}  // namespace

bool SendFirmwarePageHeader(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page) {
  return SendPageHeader(port, FirmwarePageWrite, firmware, page);
}

bool SendFirmwarePageData(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page) {
  return SendPageData(port, firmware, page);
}

bool SendConfigPageHeader(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page) {
  return SendPageHeader(port, ConfigPageWrite, image, page);
}

bool SendConfigPageData(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page) {
  return SendPageData(port, image, page);
}

bool SendConfigReadRequest(TComHandle port, std::uint32_t page) {
  return Write(port, LinkFrame(ConfigPageRead, page, 0));
}
