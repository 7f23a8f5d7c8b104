// The three transfer buttons while no port is open: one log line, nothing
// posted, and nothing that a later "Open port" could start.
#include "firmware_resource.h"
#include "link_request.h"
#include "resources.h"
#include "serial_port.h"
#include "transfer_log_lines.h"
#include "worker_fixture.h"

namespace {

struct ButtonCase {
  const char* name;
  void (TForm1::*button)(TObject*);
  // What the button checks before the port, spoiled and mended, and the
  // box it then shows; none for "Read config".
  void (*spoil)(TForm1& form);
  void (*mend)(TForm1& form);
  const char* box;
};

void InstallFirmware(TForm1&) { InstallResource(FirmwareResourceId, std::vector<std::uint8_t>(1000, 0x5A)); }

const ButtonCase Buttons[] = {
    {"ReadConfig", &TForm1::Button4Click, nullptr, nullptr, nullptr},
    {"WriteConfig", &TForm1::Button5Click, [](TForm1& form) { form.Callsign->SetText(""); },
     [](TForm1& form) { form.Callsign->SetText("SQ9XYZ"); }, "Callsign - too short (ex. NOCALL-4)."},
    {"UploadFirmware", &TForm1::Button3Click, [](TForm1&) { RemoveResource(FirmwareResourceId); }, InstallFirmware,
     "Firmware resource not found (FindResource)."},
};

void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }

class NoPortOpenTest : public WorkerTest, public testing::WithParamInterface<ButtonCase> {
 protected:
  NoPortOpenTest() { InstallFirmware(*form); }

  void Press(const ButtonCase& c) { (form.get()->*c.button)(nullptr); }

  // The user's edits after the press, "Open port", and a second in which
  // the device must receive nothing and the edits must stay.
  void ExpectAnOpenStartsNothing() {
    form->Callsign->SetText("MYEDIT");
    form->Txdelay->SetText("777");
    const std::vector<std::string> log = Log();
    ASSERT_TRUE(OpenPort());
    ServeFor(std::chrono::seconds(1));

    EXPECT_TRUE(device.Commands().empty());
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(form->Callsign->Text(), "MYEDIT");
    EXPECT_EQ(form->Txdelay->Text(), "777");
  }
};

}  // namespace

TEST_P(NoPortOpenTest, BeforeAnyOpenTheButtonSaysSoAfterItsOwnChecksAndPostsNothing) {
  const ButtonCase& c = GetParam();
  if (c.spoil) {
    c.spoil(*form);
    Press(c);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.box});
    EXPECT_TRUE(Log().empty());
    dialogs.boxes.clear();
    c.mend(*form);
  }

  Press(c);

  EXPECT_EQ(Log(), std::vector<std::string>{NoPortOpenLine});
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(LinkRequest.load(), NoLinkRequest);
  ExpectAnOpenStartsNothing();
}

TEST_P(NoPortOpenTest, WhileThePortClosesTheButtonSaysSoAndTheNextOpenStartsNothing) {
  ASSERT_TRUE(OpenPort());
  form->Button2->Click();
  Press(GetParam());  // the worker has not ended yet

  EXPECT_EQ(Log(), std::vector<std::string>{NoPortOpenLine});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{SerialPortOpenedText});
  ExpectAnOpenStartsNothing();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{SerialPortOpenedText, SerialPortOpenedText}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, NoPortOpenTest, testing::ValuesIn(Buttons),
                         [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

using NoPortOpenRefusalTest = WorkerTest;

TEST_F(NoPortOpenRefusalTest, ARequestNotYetTakenWhenThePortClosesIsDroppedWithItsWorker) {
  ASSERT_TRUE(OpenPort());
  form->Button4->Click();
  // The worker now waits in its hand-over after the request for page 1:
  // it cannot take the write posted meanwhile.
  ASSERT_TRUE(device.WaitForCommands(2));
  form->Button5->Click();
  ASSERT_TRUE(ClosePort());

  ASSERT_TRUE(OpenPort());
  ServeFor(std::chrono::seconds(1));

  EXPECT_EQ(device.Commands().size(), 2u);
  EXPECT_TRUE(device.ReceivedConfiguration() == std::vector<std::uint8_t>(TSimulatedSerialDevice::ImageSize));
}
