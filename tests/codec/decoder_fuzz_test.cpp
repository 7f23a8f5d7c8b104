// Seeded random and mutated images through the decoder: random bytes behind
// the right version, random versions, and encoded images with bytes changed.
#include <random>
#include <vector>

#include "codec_fixture.h"
#include "decoded_image_properties.h"

namespace {

constexpr int ImagesPerSeed = 1000;

class DecoderFuzz : public CodecTest, public testing::WithParamInterface<std::uint32_t> {
 protected:
  void Run(std::uint32_t seed, int images) {
    ASSERT_EQ(Encode(), 1);
    const std::vector<std::uint8_t> encoded(Image(), Image() + ConfigurationImageSize);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> offset(0, ConfigurationImageSize - 1);
    std::vector<std::uint8_t> image(ConfigurationImageSize);
    for (int i = 0; i < images; ++i) {
      switch (i % 4) {
        case 0:
        case 1:  // random bytes that pass the version check
          for (auto& b : image) b = static_cast<std::uint8_t>(byte(random));
          std::copy_n("v1.47", 5, image.begin() + 6);
          break;
        case 2:  // random bytes, version and all
          for (auto& b : image) b = static_cast<std::uint8_t>(byte(random));
          if (i % 8 == 2) image[6] = 'v';
          break;
        case 3:  // the encoded image with a few bytes changed, the version too at times
          image = encoded;
          for (int k = 1 + i % 16; k > 0; --k) image[offset(random)] = static_cast<std::uint8_t>(byte(random));
          break;
      }
      const std::string failure = DecodeArbitraryImage(*form, image.data(), image.size());
      ASSERT_EQ(failure, "") << "seed " << seed << ", image " << i;
      dialogs.boxes.clear();
    }
  }
};

TEST_P(DecoderFuzz, ArbitraryImages) { Run(GetParam(), ImagesPerSeed); }

// 20,000 images, a thousand for each seed.
INSTANTIATE_TEST_SUITE_P(Seeds, DecoderFuzz, testing::Range(1u, 21u));

using DecoderShortInput = CodecTest;

TEST_F(DecoderShortInput, ShortAndEmptyInputsArePaddedWithZeros) {
  const std::uint8_t bytes[] = {0, 0, 0, 0, 0, 0, 'v', '1', '.', '4', '7'};
  for (std::size_t size : {std::size_t{0}, std::size_t{6}, sizeof bytes}) {
    EXPECT_EQ(DecodeArbitraryImage(*form, bytes, size), "") << size;
  }
  EXPECT_EQ(form->Callsign->Text(), "");
  EXPECT_EQ(form->Ssid->Text(), "208");
}

}  // namespace
