// "Write config" and "Read config" against the simulated device.
#include <ctime>

#include "configuration_codec.h"
#include "hid_link_fixture.h"

namespace {

const std::string Written = "Page written: ";
const std::string WriteError = "Page write error: ";
const std::string Read = "Page read: ";
const std::string ReadError = "Page read error: ";

class HidConfigWrite : public HidLinkTest {
 protected:
  void Write() { form->Button5->Click(); }
};

TEST_F(HidConfigWrite, SendsTheImageInSixtyFourPages) {
  form->Callsign->SetText("SP3XYZ");
  Write();
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Written, 64, 64), {"Eeprom write success"}}));
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
  EXPECT_EQ(form->ProgressBar1->Max(), 64);

  EXPECT_TRUE(std::equal(std::begin(form->ConfigurationImage), std::end(form->ConfigurationImage),
                         std::begin(device.configuration)));
  EXPECT_EQ(std::memcmp(device.configuration + 2026, "END", 3), 0);
  ASSERT_EQ(device.requests.size(), 64u);
  for (std::size_t p = 0; p < 64; ++p) {
    EXPECT_EQ(device.requests[p][1], 0xFD);
    EXPECT_EQ(device.requests[p][2] | device.requests[p][3] << 8, static_cast<int>(p));
  }
}

TEST_F(HidConfigWrite, StopsAtTheRefusedPageAndClosesTheDevice) {
  device.alter = [](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
    if (request == 9) exchange.reply[1] = 0x00;
  };
  Write();
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Written, 9, 64), {WriteError + "10/64"}}));
  EXPECT_EQ(form->ProgressBar1->Position(), 9);
  EXPECT_EQ(device.requests.size(), 10u);
  EXPECT_EQ(device.openHandles, 0);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(HidConfigWrite, NothingIsSentWithoutADevice) {
  device.interfaces.clear();
  Write();
  EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine});
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(HidConfigWrite, AFoundDeviceThatDoesNotOpenFailsTheFirstPage) {
  device.writeOpenFails = true;
  Write();
  EXPECT_EQ(Log(), (std::vector<std::string>{FoundLine, WriteError + "1/64"}));
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
}

TEST_F(HidConfigWrite, EncoderRefusalOpensNothingButThePcTimeIsTakenFirst) {
  form->Uploadpctime->SetChecked(true);
  form->Rtcyear->SetText("1999");
  form->Callsign->SetText("");
  Write();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
  EXPECT_EQ(dialogs.boxes[0].Text, "Callsign - too short (ex. NOCALL-4).");
  EXPECT_TRUE(device.openedPaths.empty());
  EXPECT_TRUE(Log().empty());

  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  EXPECT_EQ(form->Rtcyear->Text(), std::to_string(utc.tm_year + 1900));
}

class HidConfigRead : public HidLinkTest {
 protected:
  // The device holds the image a window with these settings encodes; the
  // test then goes on with a new factory window.
  void StoreEncodedSettings() {
    form->Callsign->SetText("SP3XYZ");
    form->Ptt->SetItemIndex(1);
    filter->Packet2rf_filter_callsign03->SetText("SR3ABC");
    ASSERT_EQ(EncodeConfigurationImage(form.get()), 1);
    std::memcpy(device.configuration, form->ConfigurationImage, sizeof device.configuration);
    NewWindow();
    filter = std::make_unique<TForm4>();
    Form4 = filter.get();
  }
  void ReadConfig() { form->Button4->Click(); }
  void ExpectFactorySettings() {
    EXPECT_EQ(form->Callsign->Text(), "NOCALL");
    EXPECT_EQ(form->Ptt->ItemIndex(), 0);
  }
};

TEST_F(HidConfigRead, ReadsDecodesAndShowsTheVersion) {
  StoreEncodedSettings();
  // Replies naming another page are stored where the page was asked for.
  device.alter = [](std::size_t, const THidReport& request, SimulatedHidDevice::Exchange& exchange) {
    if (request[1] == 0xFC) exchange.reply[2] = 0x3F;
  };
  ReadConfig();
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Read, 64, 64), {"Eeprom read success.", FoundLine}}));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Plain);
  EXPECT_EQ(dialogs.boxes[0].Text, "Firmware version: 1.47");

  EXPECT_TRUE(std::equal(std::begin(ReceivedImage), std::end(ReceivedImage), std::begin(device.configuration)));
  EXPECT_EQ(form->Callsign->Text(), "SP3XYZ");
  EXPECT_EQ(form->Ptt->ItemIndex(), 1);
  EXPECT_EQ(filter->Packet2rf_filter_callsign03->Text(), "SR3ABC");
  EXPECT_TRUE(std::all_of(std::begin(form->ConfigurationImage), std::end(form->ConfigurationImage),
                          [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(form->ProgressBar1->Position(), 0);

  std::vector<std::uint8_t> expected(64, 0xFC);
  expected.push_back(0xFB);
  EXPECT_EQ(Commands(), expected);
  EXPECT_EQ(device.openedPaths.size(), 4u);  // two handles, twice
}

TEST_F(HidConfigRead, AFailedPageEndsWithTheChecksumLineAndNoVersion) {
  for (const int failing : {0, 9, 63}) {
    SCOPED_TRACE(failing);
    StoreEncodedSettings();
    dialogs.boxes.clear();
    device.requests.clear();
    std::fill(std::begin(ReceivedImage), std::end(ReceivedImage), 0xAA);
    device.alter = [failing](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
      if (request == static_cast<std::size_t>(failing)) exchange.replyLength = 0;
    };
    ReadConfig();
    EXPECT_EQ(Log(), Joined({{FoundLine},
                             PageLines(Read, failing, 64),
                             {ReadError + std::to_string(failing + 1) + "/64", ChecksumErrorLine}}));
    EXPECT_EQ(form->ProgressBar1->Position(), failing);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(Asked(0xFB));
    EXPECT_TRUE(std::all_of(ReceivedImage + failing * 32, std::end(ReceivedImage), [](std::uint8_t b) { return b == 0; }));
    ExpectFactorySettings();
  }
}

TEST_F(HidConfigRead, AnImageWithoutItsSumOrEndMarkerIsRefused) {
  const std::pair<const char*, std::function<void(std::vector<std::uint8_t>&)>> damages[] = {
      {"good sum, no END",
       [](auto& image) {
         image[2028] = 'X';
         StoreImageChecksum(image.data());
       }},
      {"wrong sum", [](auto& image) { image[100] ^= 0x01; }},
  };
  for (const auto& [name, damage] : damages) {
    SCOPED_TRACE(name);
    form->Memo1->Clear();
    device.requests.clear();
    auto image = ValidConfigurationImage();
    image[14] = 0x5A;
    StoreImageChecksum(image.data());
    damage(image);
    StoreDeviceImage(image);
    ReadConfig();
    EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Read, 64, 64), {ChecksumErrorLine}}));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(Asked(0xFB));
    ExpectFactorySettings();
  }
}

TEST_F(HidConfigRead, VersionRefusedByTheDecoderStillAsksTheFirmwareVersion) {
  auto image = ValidConfigurationImage();
  std::memcpy(image.data() + 6, "v1.46", 5);
  StoreImageChecksum(image.data());
  StoreDeviceImage(image);
  ReadConfig();
  EXPECT_EQ(Log(), Joined({{FoundLine},
                           PageLines(Read, 64, 64),
                           {"Eeprom read error. Please reload configuration.", FoundLine}}));
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
  EXPECT_NE(dialogs.boxes[0].Text.find("v1.46"), std::string::npos);
  EXPECT_EQ(dialogs.boxes[1].Text, "Firmware version: 1.47");
  ExpectFactorySettings();
}

TEST_F(HidConfigRead, AFailedVersionQueryShowsNothing) {
  StoreEncodedSettings();
  StopAnsweringAt(64);
  ReadConfig();
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Read, 64, 64), {"Eeprom read success.", FoundLine}}));
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->Callsign->Text(), "SP3XYZ");
}

TEST_F(HidConfigRead, NoDeviceLeavesTheControlsAsTheyWere) {
  device.interfaces.clear();
  std::fill(std::begin(ReceivedImage), std::end(ReceivedImage), 0xAA);
  ReadConfig();
  EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine});
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(std::all_of(std::begin(ReceivedImage), std::end(ReceivedImage), [](std::uint8_t b) { return b == 0; }));
  ExpectFactorySettings();
}

TEST_F(HidConfigRead, AFoundDeviceThatDoesNotOpenFailsTheFirstPage) {
  StoreEncodedSettings();
  device.readOpenFails = true;
  ReadConfig();
  EXPECT_EQ(Log(), (std::vector<std::string>{FoundLine, ReadError + "1/64", ChecksumErrorLine}));
  EXPECT_TRUE(dialogs.boxes.empty());
  ExpectFactorySettings();
}

}  // namespace
