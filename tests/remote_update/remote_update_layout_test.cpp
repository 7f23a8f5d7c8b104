#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "firmware_resource.h"
#include "random_generators.h"
#include "remote_update_crc.h"
#include "remote_update_file.h"
#include "xtea_decipher.h"

namespace {

std::array<std::uint8_t, ConfigurationImageSize> SampleImage() {
  std::array<std::uint8_t, ConfigurationImageSize> image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 5);
  return image;
}

std::vector<std::uint8_t> SampleFirmware(std::size_t size) {
  std::vector<std::uint8_t> firmware(size);
  for (std::size_t i = 0; i < size; ++i) firmware[i] = static_cast<std::uint8_t>(i % 253 + 1);
  return firmware;
}

}  // namespace

TEST(RemoteUpdateLayout, FieldsOfAFile) {
  const auto image = SampleImage();
  for (std::size_t size : {std::size_t{0}, std::size_t{1021}, FirmwareBufferSize}) {
    SCOPED_TRACE(size);
    const auto firmware = SampleFirmware(size);
    std::vector<std::uint8_t> file = AssembleRemoteUpdateFile(image, firmware, 1700000000);

    ASSERT_EQ(file.size(), size + 2560);
    EXPECT_EQ(LoadLittleEndian32(&file[0]), size);
    EXPECT_EQ(LoadLittleEndian32(&file[4]), ComputeRemoteUpdateCrc(&file[512], static_cast<std::uint32_t>(size + 2048)));
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), file.begin() + 2560));

    Random64 generator(1700000000);
    for (std::size_t offset = 8; offset < 512; ++offset) {
      ASSERT_EQ(file[offset], generator.Next() % 255) << offset;
      ASSERT_NE(file[offset], 255) << offset;
    }

    DecipherBuffer(&file[512], 2048);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), file.begin() + 512));
  }
}

TEST(RemoteUpdateLayout, SeedChangesOnlyTheFiller) {
  const auto image = SampleImage();
  const auto firmware = SampleFirmware(4099);
  const auto first = AssembleRemoteUpdateFile(image, firmware, 1);
  const auto second = AssembleRemoteUpdateFile(image, firmware, 2);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(std::equal(first.begin(), first.begin() + 8, second.begin()));
  EXPECT_FALSE(std::equal(first.begin() + 8, first.begin() + 512, second.begin() + 8));
  EXPECT_TRUE(std::equal(first.begin() + 512, first.end(), second.begin() + 512));
}

TEST(RemoteUpdateLayout, CrcCoversTheEncipheredImageAndTheFirmware) {
  const auto image = SampleImage();
  auto firmware = SampleFirmware(100);
  const auto original = AssembleRemoteUpdateFile(image, firmware, 9);
  firmware.back() ^= 0x01;
  const auto changedFirmware = AssembleRemoteUpdateFile(image, firmware, 9);
  EXPECT_NE(LoadLittleEndian32(&original[4]), LoadLittleEndian32(&changedFirmware[4]));

  auto changedImage = image;
  changedImage[2047] ^= 0x80;
  const auto other = AssembleRemoteUpdateFile(changedImage, SampleFirmware(100), 9);
  EXPECT_NE(LoadLittleEndian32(&original[4]), LoadLittleEndian32(&other[4]));
  EXPECT_FALSE(std::equal(original.begin() + 2552, original.begin() + 2560, other.begin() + 2552));
}
