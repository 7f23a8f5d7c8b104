// Bytes as upper-case hex pairs separated by blanks, for the byte traces.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

QString HexBytes(const std::uint8_t* bytes, std::size_t count);
