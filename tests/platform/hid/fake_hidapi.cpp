#include "fake_hidapi.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cstring>

FakeHidapi Fake;

struct hid_device_ {
  std::string path;
};

extern "C" {

hid_device_info* hid_enumerate(unsigned short, unsigned short) {
  hid_device_info* first = nullptr;
  hid_device_info** next = &first;
  for (const auto& device : Fake.devices) {
    auto* info = new hid_device_info{};
    info->path = device.path.empty() ? nullptr : strdup(device.path.c_str());
    info->vendor_id = device.vendorId;
    info->product_id = device.productId;
    info->release_number = device.releaseNumber;
    info->usage_page = device.usagePage;
    info->usage = device.usage;
    *next = info;
    next = &info->next;
  }
  return first;
}

void hid_free_enumeration(hid_device_info* devices) {
  while (devices) {
    hid_device_info* next = devices->next;
    std::free(devices->path);
    delete devices;
    devices = next;
  }
}

hid_device* hid_open_path(const char* path) {
  if (std::find(Fake.unopenable.begin(), Fake.unopenable.end(), path) != Fake.unopenable.end()) return nullptr;
  ++Fake.openDevices;
  return new hid_device_{path};
}

void hid_close(hid_device* device) {
  --Fake.openDevices;
  delete device;
}

int hid_write(hid_device*, const unsigned char* data, size_t length) {
  Fake.written.emplace_back(data, data + length);
  return Fake.writeResult == -2 ? static_cast<int>(length) : Fake.writeResult;
}

int hid_read_timeout(hid_device*, unsigned char* data, size_t length, int milliseconds) {
  Fake.readWaits.push_back(milliseconds);
  if (Fake.inputReports.empty()) return Fake.readResult;
  const auto report = Fake.inputReports.front();
  Fake.inputReports.pop_front();
  const std::size_t size = std::min(length, report.size());
  std::memcpy(data, report.data(), size);
  return static_cast<int>(size);
}

const wchar_t* hid_error(hid_device*) { return L"Permission denied"; }

}  // extern "C"
