#pragma once
// Little-endian reading and writing of the image's numeric fields.
#include <cstdint>

#include "configuration_layout.h"

inline void Put(std::uint8_t* image, U8Field f, std::uint32_t value) {
  image[f.offset] = static_cast<std::uint8_t>(value);
}
inline void Put(std::uint8_t* image, ByteField f, std::uint32_t value) {
  image[f.offset] = static_cast<std::uint8_t>(value);
}
inline void Put(std::uint8_t* image, U16Field f, std::uint32_t value) {
  image[f.offset] = static_cast<std::uint8_t>(value);
  image[f.offset + 1] = static_cast<std::uint8_t>(value >> 8);
}
inline void PutU32(std::uint8_t* image, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
inline void Put(std::uint8_t* image, I32Field f, std::int32_t value) {
  PutU32(image, f.offset, static_cast<std::uint32_t>(value));
}

inline std::uint8_t Get(const std::uint8_t* image, U8Field f) { return image[f.offset]; }
inline std::uint8_t Get(const std::uint8_t* image, ByteField f) { return image[f.offset]; }
inline std::uint16_t Get(const std::uint8_t* image, U16Field f) {
  return static_cast<std::uint16_t>(image[f.offset] | (image[f.offset + 1] << 8));
}
inline std::uint32_t GetU32(const std::uint8_t* image, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | image[offset + i];
  return value;
}
inline std::int32_t Get(const std::uint8_t* image, I32Field f) {
  return static_cast<std::int32_t>(GetU32(image, f.offset));
}
