#pragma once
// The senders of the serial link's three transfers. A page goes out as its
// header frame (one write of 8 bytes), then its 128 bytes (one write). Each
// is false when the port did not take all its bytes.
#include <cstdint>
#include <span>

#include "com_port.h"

// The 0x40 frame for firmware page page, and that page's bytes.
bool SendFirmwarePageHeader(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page);
bool SendFirmwarePageData(TComHandle port, std::span<const std::uint8_t> firmware, std::uint32_t page);

// The 0x80 frame for configuration page page, and that page's bytes.
bool SendConfigPageHeader(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page);
bool SendConfigPageData(TComHandle port, std::span<const std::uint8_t> image, std::uint32_t page);

// The 0x90 frame asking for configuration page page.
bool SendConfigReadRequest(TComHandle port, std::uint32_t page);
