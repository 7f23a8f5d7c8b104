#pragma once
// The device firmware image embedded in the program (resource 1), as every
// upload and the remote update file load it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

constexpr int FirmwareResourceId = 1;
constexpr std::size_t FirmwareBufferSize = 245760;

// Finds and loads the firmware image. On failure shows the information box
// "Firmware resource not found (FindResource).", "Firmware resource not
// found (LoadResource)." or "Firmware file too long." (over
// FirmwareBufferSize bytes) and returns nothing.
std::optional<std::span<const std::uint8_t>> LoadFirmwareResource();
