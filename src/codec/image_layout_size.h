#pragma once
#include <cstddef>

// Size of the device's configuration image.
constexpr std::size_t ConfigurationImageSize = 2048;
