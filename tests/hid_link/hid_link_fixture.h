#pragma once
// A factory main window and packet filter dialog, scripted dialogs and the
// simulated device, with helpers for the log and the device's requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "Unit4.h"
#include "hid_device.h"
#include "scripted_dialogs.h"
#include "simulated_hid_device.h"

inline constexpr char FoundLine[] = "Pelnor Rudi found, vid: Vid_0483, pid: A04C";
inline constexpr char NotFoundLine[] = "Pelnor Rudi not found.";
inline constexpr char ChecksumErrorLine[] = "Eeprom checksum error. Please reload configuration.";

// "prefix 1/total" .. "prefix last/total".
inline std::vector<std::string> PageLines(const std::string& prefix, int last, int total) {
  std::vector<std::string> lines;
  for (int page = 1; page <= last; ++page) {
    lines.push_back(prefix + std::to_string(page) + "/" + std::to_string(total));
  }
  return lines;
}

inline std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

class HidLinkTest : public testing::Test {
 protected:
  HidLinkTest() : previousForm1_(Form1), previousForm4_(Form4) {
    Form1 = form.get();
    Form4 = filter.get();
  }
  ~HidLinkTest() override {
    EXPECT_EQ(device.openHandles, 0) << "an operation left the device open";
    CloseHidDevice();
    Form1 = previousForm1_;
    Form4 = previousForm4_;
  }

  // Starts again from a new factory main window.
  void NewWindow() {
    form = std::make_unique<TForm1>();
    Form1 = form.get();
  }

  std::vector<std::string> Log() const { return form->Memo1->Lines(); }

  // The commands of the requests the device took, in order.
  std::vector<std::uint8_t> Commands() const {
    std::vector<std::uint8_t> commands;
    for (const auto& request : device.requests) commands.push_back(request[1]);
    return commands;
  }
  bool Asked(std::uint8_t command) const {
    const auto commands = Commands();
    return std::find(commands.begin(), commands.end(), command) != commands.end();
  }

  void StoreDeviceImage(const std::vector<std::uint8_t>& image) {
    std::memcpy(device.configuration, image.data(), sizeof device.configuration);
  }

  // From the request with this index on, the device answers nothing.
  void StopAnsweringAt(std::size_t index) {
    device.alter = [index](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
      if (request >= index) exchange.replyLength = 0;
    };
  }

  ScriptedDialogs dialogs;
  SimulatedHidDevice device;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>();
  std::unique_ptr<TForm4> filter = std::make_unique<TForm4>();

 private:
  TForm1* previousForm1_;
  TForm4* previousForm4_;
};
