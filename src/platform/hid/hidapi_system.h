#pragma once
// The HID system over hidapi's hidraw backend.
#include "hid_system.h"

class HidapiSystem : public THidSystem {
 public:
  std::vector<THidInterface> PresentInterfaces() override;
  std::unique_ptr<THidHandle> Open(const std::string& path, THidAccess access) override;
  std::string LastError() const override { return lastError_; }

 private:
  std::string lastError_;
};
