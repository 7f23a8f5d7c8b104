// libFuzzer target for the profile text on arbitrary bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "profile_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = CheckProfileProperties(std::string(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
