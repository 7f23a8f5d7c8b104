#pragma once
// A stand-in for the hidapi library, linked in its place: devices and
// their reports are what a test puts here.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct FakeHidDeviceInfo {
  std::string path;
  unsigned short vendorId, productId, releaseNumber, usagePage, usage;
};

struct FakeHidapi {
  std::vector<FakeHidDeviceInfo> devices;  // what hid_enumerate lists, in this order
  std::vector<std::string> unopenable;     // paths hid_open_path refuses
  std::deque<std::vector<std::uint8_t>> inputReports;  // read by any open device
  int readResult = 0;                      // returned by a read with no report waiting
  int writeResult = -2;                    // -2: the length written
  std::vector<std::vector<std::uint8_t>> written;
  std::vector<int> readWaits;              // milliseconds of each read
  int openDevices = 0;
};

// Cleared by each test's fixture.
extern FakeHidapi Fake;
