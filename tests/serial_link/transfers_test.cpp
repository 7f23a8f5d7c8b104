// The three transfers against the simulated device: their log lines in
// order, the bytes the device takes, the decode of a read and the upload's
// progress.
#include <QProgressBar>
#include <optional>

#include "configuration_codec.h"
#include "firmware_resource.h"
#include "image_fields.h"
#include "link_request.h"
#include "resources.h"
#include "transfer_log_lines.h"
#include "worker_fixture.h"

namespace {

using TransferTest = WorkerTest;

std::vector<TDeviceCommand> CommandsOf(const TSimulatedSerialDevice& device, std::uint8_t code) {
  std::vector<TDeviceCommand> found;
  for (const TDeviceCommand& command : device.Commands()) {
    if (command.Code == code) found.push_back(command);
  }
  return found;
}

std::vector<std::uint16_t> PagesOf(const std::vector<TDeviceCommand>& commands) {
  std::vector<std::uint16_t> pages;
  for (const TDeviceCommand& command : commands) pages.push_back(command.Page);
  return pages;
}

std::vector<std::uint16_t> PageRange(std::uint16_t last) {
  std::vector<std::uint16_t> pages;
  for (std::uint16_t page = 0; page <= last; ++page) pages.push_back(page);
  return pages;
}

}  // namespace

TEST_F(TransferTest, WriteConfigSendsTheImageInSixteenPages) {
  ASSERT_TRUE(OpenPort());
  form->Button5->Click();
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));

  EXPECT_EQ(Log(), WriteLog());
  EXPECT_EQ(PagesOf(device.Commands()), PageRange(15));
  EXPECT_EQ(device.ReceivedConfiguration(),
            std::vector<std::uint8_t>(std::begin(form->ConfigurationImage), std::end(form->ConfigurationImage)));
  EXPECT_EQ(device.RefusedFrames(), 0);
}

TEST_F(TransferTest, ReadConfigDecodesTheDeviceImageIntoTheControls) {
  const std::vector<std::uint8_t> image = ImageWithCallsign("SQ9XYZ");
  device.SetImage(image);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));

  EXPECT_EQ(Log(), ReadLog());
  EXPECT_EQ(PagesOf(CommandsOf(device, 0x90)), PageRange(15));
  EXPECT_TRUE(std::equal(image.begin(), image.end(), ReceivedImage));
}

TEST_F(TransferTest, TheWorkerWaitsWhileTheDecoderRuns) {
  std::vector<std::uint8_t> image = ImageWithCallsign("SQ9XYZ");
  image[Layout::Version.offset + 4] = '8';  // "v1.48": the decoder shows its box
  PutU32(image.data(), Layout::Checksum, ImageChecksum(image.data()));
  device.SetImage(image);
  ASSERT_TRUE(OpenPort());
  dialogs.boxes.clear();
  std::optional<std::uint8_t> requestDuringTheBox;
  std::size_t commandsDuringTheBox = 0;
  dialogs.onBox = [&](const TMessageBoxRequest&) {
    if (requestDuringTheBox) return;
    form->Button5->Click();
    ServeFor(std::chrono::milliseconds(300));  // more than two passes of a worker that ran on
    commandsDuringTheBox = device.Commands().size();
    requestDuringTheBox = LinkRequest.load();
  };
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return requestDuringTheBox.has_value(); }));

  EXPECT_EQ(*requestDuringTheBox, ConfigWriteRequest);
  EXPECT_EQ(commandsDuringTheBox, 16u);
  EXPECT_EQ(form->Callsign->Text(), "NOCALL");
  EXPECT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine); }));
  dialogs.onBox = nullptr;
}

TEST_F(TransferTest, AReadImageFailingItsChecksumLeavesTheControls) {
  std::vector<std::uint8_t> image = ImageWithCallsign("SQ9XYZ");
  ++image[100];
  device.SetImage(image);
  const std::string callsign = form->Callsign->Text();
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(EepromReadChecksumErrorLine); }));
  ServeFor(std::chrono::milliseconds(50));

  std::vector<std::string> expected = ReadLog();
  expected.push_back(EepromReadChecksumErrorLine);
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(form->Callsign->Text(), callsign);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), ReceivedImage));
}

TEST_F(TransferTest, AnImageWhoseSumMatchesPassesWhateverItsEndMarkerHolds) {
  std::vector<std::uint8_t> image = ImageWithCallsign("SQ9XYZ");
  image[Layout::EndMarker] = 'X';
  PutU32(image.data(), Layout::Checksum, ImageChecksum(image.data()));
  device.SetImage(image);
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  EXPECT_TRUE(ServeUntil([&] { return form->Callsign->Text() == "SQ9XYZ"; }));
}

TEST_F(TransferTest, UploadFirmwareSendsTheImageAndOnePageOfZerosWithTheProgressFollowingTheAcks) {
  std::vector<std::uint8_t> firmware(1000);
  for (std::size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<std::uint8_t>(i * 13 + 1);
  InstallResource(FirmwareResourceId, firmware);
  std::vector<int> positions;
  QObject::connect(static_cast<QProgressBar*>(form->ProgressBar1->Widget()), &QProgressBar::valueChanged,
                   [&](int position) { positions.push_back(position); });
  ASSERT_TRUE(OpenPort());
  form->Button3->Click();
  // "Send finished." is handed over before the bar goes back to 0.
  ASSERT_TRUE(ServeUntil([&] { return LogEndsWith(SendFinishedLine) && form->ProgressBar1->Position() == 0; }));

  EXPECT_EQ(Log(), UploadLog(8));
  EXPECT_EQ(PagesOf(device.Commands()), PageRange(8));
  std::vector<std::uint8_t> expected = firmware;
  expected.resize(9 * 128);
  EXPECT_EQ(device.ReceivedFirmware(), expected);
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 0}));
  EXPECT_EQ(form->ProgressBar1->Max(), 8);
}
