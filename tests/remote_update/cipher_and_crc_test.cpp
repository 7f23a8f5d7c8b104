#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <vector>

#include "remote_update_crc.h"
#include "xtea_decipher.h"

TEST(RemoteUpdateCrc, CheckValuesAndEmptyInput) {
  const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(ComputeRemoteUpdateCrc(digits, sizeof digits), 0x340BC6D9u);
  EXPECT_EQ(ComputeRemoteUpdateCrc(digits, 0), 0xFFFFFFFFu);
  const std::uint8_t zeros[4] = {};
  EXPECT_EQ(ComputeRemoteUpdateCrc(zeros, sizeof zeros), ~0x2144DF1Cu);
}

struct XteaVector {
  XteaKey Key;
  std::uint32_t PlainY, PlainZ, CipherY, CipherZ;
};

TEST(Xtea, PublishedReferenceVectors) {
  const XteaKey counting = {0x00010203, 0x04050607, 0x08090A0B, 0x0C0D0E0F};
  const XteaKey zero = {0, 0, 0, 0};
  const XteaVector vectors[] = {
      {counting, 0x41424344, 0x45464748, 0x497DF3D0, 0x72612CB5},
      {counting, 0x41414141, 0x41414141, 0xE78F2D13, 0x744341D8},
      {counting, 0x5A5B6E27, 0x8948D77F, 0x41414141, 0x41414141},
      {zero, 0x41424344, 0x45464748, 0xA0390589, 0xF8B8EFA5},
      {zero, 0x41414141, 0x41414141, 0xED23375A, 0x821A8C2D},
      {zero, 0x70E1225D, 0x6E4E7655, 0x41414141, 0x41414141},
  };
  for (const XteaVector& v : vectors) {
    std::uint32_t y = v.PlainY, z = v.PlainZ;
    XteaEncipherWords(y, z, v.Key);
    EXPECT_EQ(y, v.CipherY) << std::hex << v.PlainY;
    EXPECT_EQ(z, v.CipherZ) << std::hex << v.PlainY;
  }
}

TEST(Xtea, BlockUsesRemoteUpdateKeyWithLittleEndianWords) {
  std::uint8_t block[8] = {0, 1, 2, 3, 4, 5, 6, 7};
  XteaEncipherBlock(block);
  const std::uint8_t expected[8] = {0xFD, 0x6C, 0x92, 0xF4, 0x09, 0xC9, 0xBF, 0xC4};
  EXPECT_EQ(std::memcmp(block, expected, 8), 0);
}

TEST(Xtea, EncipherBufferEnciphersEveryBlockAndDecipherRestoresIt) {
  std::vector<std::uint8_t> image(2048);
  std::iota(image.begin(), image.end(), std::uint8_t{7});
  std::vector<std::uint8_t> buffer = image;
  EncipherBuffer(buffer.data(), 2048);
  for (std::size_t block = 0; block < 256; ++block) {
    std::uint8_t single[8];
    std::memcpy(single, &image[8 * block], 8);
    XteaEncipherBlock(single);
    ASSERT_EQ(std::memcmp(single, &buffer[8 * block], 8), 0) << "block " << block;
  }
  DecipherBuffer(buffer.data(), 2048);
  EXPECT_EQ(buffer, image);
}
