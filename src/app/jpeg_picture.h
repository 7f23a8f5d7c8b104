#pragma once
// JPEG decoding through libjpeg, baseline and progressive, into a 24-bit
// colour image. A damaged or truncated file is refused with an Exception;
// libjpeg's warnings (a truncated file only warns) count as a refusal.
#include <cstddef>
#include <cstdint>

#include <QImage>

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size);
