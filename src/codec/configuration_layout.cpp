#include "configuration_layout.h"

#include <cstring>

std::uint32_t ImageChecksum(const std::uint8_t* image) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < Layout::ChecksumLength; ++i) sum += image[Layout::ChecksumFirst + i];
  return sum;
}

bool HasImageEndMarker(const std::uint8_t* image) {
  return std::memcmp(image + Layout::EndMarker, Layout::EndMarkerText, Layout::EndMarkerLength) == 0;
}
