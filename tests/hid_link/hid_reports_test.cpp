// The four exchanges: request layouts, reply checks and the version box.
#include <array>
#include <functional>
#include <tuple>

#include "hid_link_fixture.h"
#include "hid_reports.h"

namespace {

THidReport Report(std::initializer_list<std::uint8_t> head, std::size_t at = 0) {
  THidReport report{};
  std::copy(head.begin(), head.end(), report.begin() + static_cast<std::ptrdiff_t>(at));
  return report;
}

class HidReports : public HidLinkTest {
 protected:
  HidReports() { EXPECT_TRUE(OpenHidDevice(*form)); }
  ~HidReports() override { CloseHidDevice(); }
};

TEST_F(HidReports, RequestLayouts) {
  std::array<std::uint8_t, 32> page{};
  ASSERT_TRUE(ReadConfigurationPage(page.data(), 5));

  page.fill(0x01);
  ASSERT_TRUE(WriteConfigurationPage(page.data(), 63));
  THidReport configWrite = Report({0x00, 0xFD, 0x3F, 0x00});
  std::fill_n(configWrite.begin() + 4, 32, 0x01);
  configWrite[36] = 0x20;

  ASSERT_TRUE(ShowFirmwareVersion(*form));

  page.fill(0xFF);
  ASSERT_TRUE(WriteFirmwarePage(page.data(), 7679));
  THidReport firmwareWrite = Report({0x00, 0xFE, 0xFF, 0x1D});
  std::fill_n(firmwareWrite.begin() + 4, 32, 0xFF);
  firmwareWrite[36] = 0xE0;  // 32 x 255 = 8160
  firmwareWrite[37] = 0x1F;

  ASSERT_EQ(device.requests.size(), 4u);
  EXPECT_EQ(device.requests[0], Report({0x00, 0xFC, 0x05, 0x00}));
  EXPECT_EQ(device.requests[1], configWrite);
  EXPECT_EQ(device.requests[2], Report({0x00, 0xFB}));
  EXPECT_EQ(device.requests[3], firmwareWrite);
}

// Each exchange fails when a whole report does not go out (and then waits
// for no reply), when no whole report comes back, or when the reply names
// another command.
TEST_F(HidReports, EveryExchangeChecksItsReply) {
  std::array<std::uint8_t, 32> page{};
  const std::pair<const char*, std::function<bool()>> exchanges[] = {
      {"firmware page write", [&] { return WriteFirmwarePage(page.data(), 0); }},
      {"configuration page write", [&] { return WriteConfigurationPage(page.data(), 0); }},
      {"configuration page read", [&] { return ReadConfigurationPage(page.data(), 0); }},
      {"firmware version", [&] { return ShowFirmwareVersion(*form); }},
  };
  using Alteration = std::function<void(SimulatedHidDevice::Exchange&)>;
  const std::tuple<const char*, Alteration, int> failures[] = {
      {"request taken short", [](auto& e) { e.accepted = 64; }, 0},
      {"no reply within the bound", [](auto& e) { e.replyLength = 0; }, 1},
      {"reply of 64 bytes", [](auto& e) { e.replyLength = 64; }, 1},
      {"reply naming a neighbouring command", [](auto& e) { e.reply[1] ^= 0x01; }, 1},
      {"reply naming no command", [](auto& e) { e.reply[1] = 0x00; }, 1},
  };
  for (const auto& [exchangeName, exchange] : exchanges) {
    for (const auto& [failureName, alteration, replyReads] : failures) {
      SCOPED_TRACE(std::string(exchangeName) + ", " + failureName);
      device.alter = [&](std::size_t, const THidReport&, SimulatedHidDevice::Exchange& e) { alteration(e); };
      device.replyReads = 0;
      page.fill(0x5A);
      EXPECT_FALSE(exchange());
      EXPECT_EQ(device.replyReads, replyReads);
      EXPECT_TRUE(dialogs.boxes.empty());
      EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](std::uint8_t b) { return b == 0x5A; }));
    }
    device.alter = nullptr;
    EXPECT_TRUE(exchange()) << exchangeName;
    dialogs.boxes.clear();
  }
  EXPECT_TRUE(Log() == std::vector<std::string>{FoundLine});
}

TEST_F(HidReports, FirmwareWriteAnsweredWithTheConfigurationCommandFails) {
  device.alter = [](std::size_t, const THidReport&, SimulatedHidDevice::Exchange& e) { e.reply[1] = 0xFD; };
  const std::array<std::uint8_t, 32> page{};
  EXPECT_FALSE(WriteFirmwarePage(page.data(), 0));
}

TEST_F(HidReports, PageReadTakesOnlyAPageWithItsSum) {
  for (int i = 0; i < 32; ++i) device.configuration[5 * 32 + i] = static_cast<std::uint8_t>(0xC0 + i);
  std::array<std::uint8_t, 32> destination{};

  device.alter = [](std::size_t, const THidReport&, SimulatedHidDevice::Exchange& e) { ++e.reply[36]; };
  EXPECT_FALSE(ReadConfigurationPage(destination.data(), 5));
  EXPECT_EQ(destination, (std::array<std::uint8_t, 32>{}));

  // Byte 0, the page index and the bytes past the sum are not looked at.
  device.alter = [](std::size_t, const THidReport&, SimulatedHidDevice::Exchange& e) {
    e.reply[0] = 0x55;
    e.reply[2] = 9;
    e.reply[3] = 1;
    std::fill(e.reply.begin() + 38, e.reply.end(), 0xEE);
  };
  EXPECT_TRUE(ReadConfigurationPage(destination.data(), 5));
  EXPECT_TRUE(std::equal(destination.begin(), destination.end(), device.configuration + 5 * 32));
}

TEST_F(HidReports, VersionShownFromAnUnsignedValue) {
  const std::pair<std::uint32_t, const char*> versions[] = {
      {147, "Firmware version: 1.47"},
      {5, "Firmware version: 0.05"},
      {0, "Firmware version: 0.00"},
      {0x80000000u, "Firmware version: 21474836.48"},
      {0xFFFFFFFFu, "Firmware version: 42949672.95"},
  };
  for (const auto& [version, text] : versions) {
    SCOPED_TRACE(text);
    dialogs.boxes.clear();
    device.version = version;
    EXPECT_TRUE(ShowFirmwareVersion(*form));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Plain);
    EXPECT_EQ(dialogs.boxes[0].Text, text);
  }
  EXPECT_EQ(Log(), std::vector<std::string>{FoundLine});
}

TEST_F(HidReports, ExchangesOnAHandleThatDidNotOpenFail) {
  CloseHidDevice();
  device.readOpenFails = true;
  ASSERT_TRUE(OpenHidDevice(*form));
  std::array<std::uint8_t, 32> page{};
  EXPECT_FALSE(ReadConfigurationPage(page.data(), 0));
  EXPECT_FALSE(ShowFirmwareVersion(*form));
  EXPECT_TRUE(dialogs.boxes.empty());

  CloseHidDevice();
  device.requests.clear();
  device.writeOpenFails = true;
  ASSERT_TRUE(OpenHidDevice(*form));
  EXPECT_FALSE(WriteConfigurationPage(page.data(), 0));
  EXPECT_TRUE(device.requests.empty());
}

}  // namespace
