#include "hid_system.h"

#include "hidapi_system.h"

namespace {
THidSystem* installed = nullptr;
}  // namespace

THidSystem& HidSystem() {
  if (installed) return *installed;
  static HidapiSystem hidapi;
  return hidapi;
}

void SetHidSystem(THidSystem* system) { installed = system; }
