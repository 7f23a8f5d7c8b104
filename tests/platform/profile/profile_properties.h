#pragma once
// Properties of the profile text that hold for any file bytes and any
// write: shared by the randomized test and the libFuzzer target.
#include <string>

// Input: file bytes, then section, key and value, separated by 0xFF bytes.
// Returns a description of the first property that fails, or empty.
std::string CheckProfileProperties(const std::string& input);
