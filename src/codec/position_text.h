#pragma once
// Station and area positions: latitude DDMM.mmH (8 characters, N or S) and
// longitude DDDMM.mmH (9 characters, E or W), and their area coordinates:
// the digits as one number, negative for S and for E.
#include <cstdint>

constexpr int LatitudeLength = 8;
constexpr int LongitudeLength = 9;

// Read exactly 8 (9) characters.
bool IsValidLatitude(const char* text);
bool IsValidLongitude(const char* text);

// For a text the matching check accepted.
std::int32_t LatitudeToInteger(const char* text);
std::int32_t LongitudeToInteger(const char* text);

// Write the text and a NUL into a buffer of at least 9 (10) bytes. Only the
// lowest six (seven) digits of the magnitude appear.
void IntegerToLatitude(char* buffer, std::int32_t value);
void IntegerToLongitude(char* buffer, std::int32_t value);
