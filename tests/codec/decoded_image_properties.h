#pragma once
// What must hold after any 2048 bytes have been decoded: the result follows
// the version, every text stays within its slot, and nothing faults.
#include <cstddef>
#include <cstdint>
#include <string>

class TForm1;

// Copies the bytes (cut or padded with zeros to 2048) to ReceivedImage,
// decodes them into form and Form4 and returns what does not hold, or an
// empty text.
std::string DecodeArbitraryImage(TForm1& form, const std::uint8_t* bytes, std::size_t size);
