#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "firmware_resource.h"
#include "scripted_dialogs.h"

// This program has the sample firmware file embedded by the build step.
TEST(EmbeddedFirmware, IsTheFirmwareResourceByteForByte) {
  ScriptedDialogs dialogs;
  std::ifstream in(EMBEDDED_FIRMWARE_FILE, std::ios::binary);
  const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(expected.empty());

  const auto firmware = LoadFirmwareResource();
  ASSERT_TRUE(firmware.has_value());
  EXPECT_EQ(std::vector<std::uint8_t>(firmware->begin(), firmware->end()), expected);
  EXPECT_TRUE(dialogs.boxes.empty());
}
