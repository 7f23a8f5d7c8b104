#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "Unit1.h"
#include "Unit4.h"
#include "application.h"
#include "calendar_time.h"
#include "file_limit.h"
#include "little_endian.h"
#include "log_capture.h"
#include "ordinary_file_user.h"
#include "random_generators.h"
#include "remote_update_crc.h"
#include "remote_update_menu.h"
#include "resources.h"
#include "scripted_dialogs.h"
#include "temporary_folder.h"
#include "xtea_decipher.h"

namespace {

constexpr std::int64_t FixedTime = 1709618820;  // 2024-03-05 06:07:00 UTC
const std::vector<std::uint8_t> OldContents = {'k', 'e', 'e', 'p'};

std::vector<std::uint8_t> TestFirmware(std::size_t size) {
  std::vector<std::uint8_t> firmware(size);
  for (std::size_t i = 0; i < size; ++i) firmware[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 8));
  return firmware;
}

// A stand-in encoder: fills the image with a pattern, or refuses. It
// records what the RTC year showed when it ran.
int encoderResult = 1;
int encoderCalls = 0;
std::string rtcYearSeenByEncoder;

int StandInEncoder(TForm1* form) {
  ++encoderCalls;
  rtcYearSeenByEncoder = form->Rtcyear->Text();
  for (std::size_t i = 0; i < ConfigurationImageSize; ++i) form->ConfigurationImagePtr[i] = static_cast<std::uint8_t>(i + 3);
  return encoderResult;
}

class BuildRemoteUpdateFileTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCalendarClock([] { return FixedTime; });
    encoderResult = 1;
    encoderCalls = 0;
    rtcYearSeenByEncoder.clear();
    form4 = std::make_unique<TForm4>();
    Form4 = form4.get();
    form = std::make_unique<TForm1>();
    target = folder.File("update.ruf");
  }
  void TearDown() override {
    SetCalendarClock({});
    RemoveResource(FirmwareResourceId);
    Form4 = nullptr;
  }

  std::vector<std::uint8_t> InstallFirmware(std::size_t size) {
    auto firmware = TestFirmware(size);
    InstallResource(FirmwareResourceId, firmware);
    return firmware;
  }

  void Build() { BuildRemoteUpdateFile(*form, StandInEncoder); }

  using TBox = std::tuple<TMessageBoxKind, std::string, std::string>;
  std::vector<TBox> Boxes() const {
    std::vector<TBox> boxes;
    for (const TMessageBoxRequest& box : dialogs.boxes) boxes.emplace_back(box.Kind, box.Caption, box.Text);
    return boxes;
  }
  static std::vector<TBox> OneBox(TMessageBoxKind kind, std::string caption, std::string text) {
    return {{kind, std::move(caption), std::move(text)}};
  }

  ScriptedDialogs dialogs;
  TemporaryFolder folder;
  std::unique_ptr<TForm4> form4;
  std::unique_ptr<TForm1> form;
  std::string target;
};

}  // namespace

TEST_F(BuildRemoteUpdateFileTest, MenuItemWritesTheEncodedImageAndTheFirmware) {
  const auto firmware = InstallFirmware(200704);
  dialogs.QueueFile(target);
  form->Buildremoteupdatefile1->Click();

  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].InitialDir, Application->ExeFolder() + "remote/");
  EXPECT_EQ(dialogs.fileDialogs[0].FileName, "vorivurivo.ruf");
  EXPECT_EQ(dialogs.fileDialogs[0].Filter, "Pelnor remote update files (*.ruf)|*.ruf");
  EXPECT_TRUE(dialogs.boxes.empty());

  auto file = ReadBytes(target);
  ASSERT_EQ(file.size(), 203264u);
  EXPECT_EQ(LoadLittleEndian32(&file[0]), 200704u);
  EXPECT_EQ(LoadLittleEndian32(&file[4]), ComputeRemoteUpdateCrc(&file[512], 2048 + 200704));
  EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), file.begin() + 2560));
  DecipherBuffer(&file[512], 2048);
  EXPECT_TRUE(std::equal(file.begin() + 512, file.begin() + 2560, form->ConfigurationImage));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}

TEST_F(BuildRemoteUpdateFileTest, FillerIsTheGeneratorSequenceForTheClock) {
  const auto firmware = InstallFirmware(FirmwareBufferSize);
  dialogs.QueueFile(target);
  Build();

  auto file = ReadBytes(target);
  ASSERT_EQ(file.size(), FirmwareBufferSize + 2560);
  EXPECT_EQ(file.back(), firmware.back());
  Random64 generator(static_cast<std::uint32_t>(FixedTime));
  for (std::size_t offset = 8; offset < 512; ++offset) ASSERT_EQ(file[offset], generator.Next() % 255) << offset;
  DecipherBuffer(&file[512], 2048);
  for (std::size_t i = 0; i < ConfigurationImageSize; ++i) ASSERT_EQ(file[512 + i], static_cast<std::uint8_t>(i + 3));
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(BuildRemoteUpdateFileTest, RebuildReplacesTheFileAndKeepsTheFirmwarePart) {
  InstallFirmware(5000);
  dialogs.QueueFile(target);
  Build();
  const auto first = ReadBytes(target);
  SetCalendarClock([] { return FixedTime + 1; });
  dialogs.QueueFile(target);
  Build();
  const auto second = ReadBytes(target);

  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(std::equal(first.begin() + 2560, first.end(), second.begin() + 2560));
  EXPECT_NE(first, second);
  EXPECT_EQ(dialogs.fileDialogs[1].FileName, target);
}

TEST_F(BuildRemoteUpdateFileTest, UploadpctimePutsThePcTimeIntoTheRtcFieldsFirst) {
  InstallFirmware(16);
  form->Rtcyear->SetText("1999");
  dialogs.QueueFile(std::nullopt);
  Build();
  EXPECT_EQ(rtcYearSeenByEncoder, "2024");
  EXPECT_EQ(form->Rtcmonth->Text(), "3");
  EXPECT_EQ(form->Rtcday->Text(), "5");
  EXPECT_EQ(form->Rtchour->Text(), "6");
  EXPECT_EQ(form->Rtcmin->Text(), "7");

  form->Uploadpctime->SetChecked(false);
  form->Rtcyear->SetText("1999");
  dialogs.QueueFile(std::nullopt);
  Build();
  EXPECT_EQ(rtcYearSeenByEncoder, "1999");
}

TEST_F(BuildRemoteUpdateFileTest, RefusedEncodeAsksForNoFile) {
  InstallFirmware(16);
  WriteBytes(target, OldContents);
  encoderResult = 0;
  Build();
  EXPECT_EQ(encoderCalls, 1);
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(ReadBytes(target), OldContents);
}

TEST_F(BuildRemoteUpdateFileTest, CancelledDialogWritesNothing) {
  InstallFirmware(16);
  WriteBytes(target, OldContents);
  dialogs.QueueFile(std::nullopt);
  Build();
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(ReadBytes(target), OldContents);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}

struct FirmwareFailure {
  const char* Situation;
  bool Installed;
  bool Loadable;
  std::size_t Size;
  const char* Text;
};

TEST_F(BuildRemoteUpdateFileTest, FirmwareFailuresLeaveAnExistingFileUntouched) {
  const FirmwareFailure failures[] = {
      {"missing", false, true, 16, "Firmware resource not found (FindResource)."},
      {"not loadable", true, false, 16, "Firmware resource not found (LoadResource)."},
      {"too long", true, true, FirmwareBufferSize + 1, "Firmware file too long."},
  };
  for (const FirmwareFailure& failure : failures) {
    SCOPED_TRACE(failure.Situation);
    RemoveResource(FirmwareResourceId);
    if (failure.Installed) InstallResource(FirmwareResourceId, TestFirmware(failure.Size), failure.Loadable);
    WriteBytes(target, OldContents);
    dialogs.boxes.clear();
    dialogs.QueueFile(target);
    Build();
    EXPECT_EQ(Boxes(), OneBox(TMessageBoxKind::Information, "Information", failure.Text));
    EXPECT_EQ(ReadBytes(target), OldContents);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
  }
}

TEST_F(BuildRemoteUpdateFileTest, DestinationThatCannotBeOpened) {
  InstallFirmware(16);
  WriteBytes(folder.File("plain"), OldContents);
  for (const std::string& path : {folder.File("plain/update.ruf"), folder.File("missing/update.ruf")}) {
    SCOPED_TRACE(path);
    dialogs.boxes.clear();
    dialogs.QueueFile(path);
    Build();
    EXPECT_EQ(Boxes(), OneBox(TMessageBoxKind::Information, "File open error", "Could not open destination file."));
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"plain"});

  TemporaryFolder locked;
  OrdinaryFileUser user(locked.File(""));
  if (!user.Active()) GTEST_SKIP() << "running as root and setfsuid was refused, so permissions do not bind";
  WriteBytes(locked.File("update.ruf"), OldContents);
  const auto expectRefused = [&](const char* situation) {
    SCOPED_TRACE(situation);
    dialogs.boxes.clear();
    dialogs.QueueFile(locked.File("update.ruf"));
    Build();
    EXPECT_EQ(Boxes(), OneBox(TMessageBoxKind::Information, "File open error", "Could not open destination file."));
  };
  ::chmod(locked.File("update.ruf").c_str(), 0444);
  expectRefused("read-only file");
  ::chmod(locked.File("update.ruf").c_str(), 0644);
  ::chmod(locked.File("").c_str(), 0555);
  expectRefused("read-only folder");
  ::chmod(locked.File("").c_str(), 0755);
  EXPECT_EQ(ReadBytes(locked.File("update.ruf")), OldContents);
  EXPECT_EQ(locked.Entries(), std::vector<std::string>{"update.ruf"});
}

TEST_F(BuildRemoteUpdateFileTest, DestinationRefusalLogsThePathAndTheSystemError) {
  InstallFirmware(16);
  WriteBytes(folder.File("plain"), OldContents);
  LogCapture log;
  for (const auto& [path, error] : {std::pair{folder.File("plain/update.ruf"), "Not a directory"},
                                    std::pair{folder.File("missing/update.ruf"), "No such file or directory"}}) {
    dialogs.QueueFile(path);
    Build();
    EXPECT_TRUE(log.Has("pelnor.files", {path, error})) << path;
  }
}

TEST_F(BuildRemoteUpdateFileTest, FailedWriteKeepsTheOldFileWhole) {
  InstallFirmware(FirmwareBufferSize);
  WriteBytes(target, OldContents);
  dialogs.QueueFile(target);
  {
    FileSizeLimit limit(100000);
    Build();
  }
  EXPECT_EQ(Boxes(), OneBox(TMessageBoxKind::Information, "Information", "Could not write destination file."));
  EXPECT_EQ(ReadBytes(target), OldContents);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"update.ruf"});
}
