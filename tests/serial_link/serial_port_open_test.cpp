// "Open port"'s set-up: the port chosen by list index, the link settings,
// and the one failure box at each of the four steps.
#include <fstream>
#include <functional>

#include "com_port.h"
#include "log_capture.h"
#include "serial_link_fixture.h"
#include "serial_port.h"

namespace {

const std::vector<std::string> OpenedBox = {SerialPortOpenedText};
const std::vector<std::string> FailureBox = {SerialPortOpenErrorText};

// What the set-up steps were given.
std::vector<std::string> openedNames;
TComSettings givenSettings;
TComTimeouts givenTimeouts;

class OpenSerialPortTest : public SerialLinkTest {
 protected:
  OpenSerialPortTest() {
    openedNames.clear();
    links.Link(2, line.DevicePath());
    SerialPortCalls.Open = [](const std::string& name) {
      openedNames.push_back(name);
      return OpenComPort(name);
    };
    SerialPortCalls.SetTimeouts = [](TComHandle port, const TComTimeouts& timeouts) {
      givenTimeouts = timeouts;
      return SetComTimeouts(port, timeouts);
    };
    SerialPortCalls.SetState = [](TComHandle port, const TComSettings& settings) {
      givenSettings = settings;
      return SetComState(port, settings);
    };
    form->ComboBox2->SetItemIndex(1);
  }
  ~OpenSerialPortTest() override {
    SerialPortCalls = {};
    CloseComPort(ComPort);
    ComPort = InvalidComHandle;
  }

  // The port is free again: a new open of it succeeds.
  static bool PortIsFree(const std::string& name) {
    const TComHandle probe = OpenComPort(name);
    CloseComPort(probe);
    return probe != InvalidComHandle;
  }

  TPseudoTerminal line;
};

}  // namespace

TEST_F(OpenSerialPortTest, OpensThePortOfTheChosenItemWhateverTheBoxShows) {
  links.Link(3, line.DevicePath());
  links.Link(2, links.Root() + "/absent");
  form->ComboBox2->SetItemIndex(2);
  form->ComboBox2->SetText("COM7");

  EXPECT_TRUE(form->OpenSerialPort());

  EXPECT_EQ(openedNames, std::vector<std::string>{"COM3"});
  EXPECT_EQ(BoxTexts(), OpenedBox);
  EXPECT_NE(ComPort, InvalidComHandle);
  EXPECT_FALSE(PortIsFree("COM3"));
}

TEST_F(OpenSerialPortTest, SetsUp115200Baud8N1WithTheModemLinesOffAndOneMillisecondTimeouts) {
  ASSERT_TRUE(form->OpenSerialPort());

  EXPECT_EQ(givenSettings.BaudRate, 115200u);
  EXPECT_EQ(givenSettings.Parity, TParity::None);
  EXPECT_EQ(givenSettings.ByteSize, 8);
  EXPECT_EQ(givenSettings.StopBits, TStopBits::One);
  EXPECT_FALSE(givenSettings.DtrOn);
  EXPECT_FALSE(givenSettings.RtsOn);
  for (std::uint32_t timeout : {givenTimeouts.ReadInterval, givenTimeouts.ReadTotalMultiplier,
                                givenTimeouts.ReadTotalConstant, givenTimeouts.WriteTotalMultiplier,
                                givenTimeouts.WriteTotalConstant}) {
    EXPECT_EQ(timeout, 1u);
  }
}

// With no item selected, text in the list's edit that is one of its items,
// letter case and blanks around it ignored, selects that item and opens it.
TEST_F(OpenSerialPortTest, TextNamingAListedPortSelectsAndOpensIt) {
  for (const char* text : {"COM2", " com2 "}) {
    form->ComboBox2->SetItemIndex(-1);
    form->ComboBox2->SetText(text);

    EXPECT_TRUE(form->OpenSerialPort()) << text;

    EXPECT_EQ(form->ComboBox2->ItemIndex(), 1) << text;
    EXPECT_EQ(form->ComboBox2->Text(), "COM2") << text;
    CloseComPort(ComPort);
    ComPort = InvalidComHandle;
  }
  EXPECT_EQ(openedNames, (std::vector<std::string>{"COM2", "COM2"}));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, SerialPortOpenedText));
}

// Any other text opens nothing; the box quotes it.
TEST_F(OpenSerialPortTest, TextNamingNoListedPortOpensNothing) {
  std::vector<std::string> boxes;
  for (const char* text : {"nosuchport", "COM10", "COM 2", ""}) {
    form->ComboBox2->SetItemIndex(-1);
    form->ComboBox2->SetText(text);
    const LogCapture capture;

    EXPECT_FALSE(form->OpenSerialPort()) << text;

    EXPECT_TRUE(capture.Has("pelnor.serial", {"Open port: choosing the port (no COM port selected) failed"}));
    EXPECT_EQ(form->ComboBox2->ItemIndex(), -1) << text;
    EXPECT_EQ(form->ComboBox2->Text(), text);
    boxes.push_back(std::string("Serial port \"") + text + "\" not found. Please choose a port from the list.");
  }
  EXPECT_TRUE(openedNames.empty());
  EXPECT_EQ(BoxTexts(), boxes);
  EXPECT_EQ(ComPort, InvalidComHandle);
}

TEST_F(OpenSerialPortTest, APortThatCannotBeOpenedGivesTheFailureBox) {
  links.Link(4, links.Root() + "/absent");
  const TComHandle held = OpenComPort("COM2");
  ASSERT_NE(held, InvalidComHandle);
  for (int index : {3, 1}) {  // absent, then held
    form->ComboBox2->SetItemIndex(index);
    EXPECT_FALSE(form->OpenSerialPort());
    EXPECT_EQ(ComPort, InvalidComHandle);
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, SerialPortOpenErrorText));
  CloseComPort(held);
}

TEST_F(OpenSerialPortTest, ADeviceThatIsNoTerminalFailsItsStateAndIsClosedAgain) {
  const std::string file = links.Root() + "/plain_file";
  std::ofstream(file) << "x";
  links.Link(5, file);
  form->ComboBox2->SetItemIndex(4);
  const LogCapture capture;

  EXPECT_FALSE(form->OpenSerialPort());

  EXPECT_TRUE(capture.Has("pelnor.serial", {"tcgetattr on", "/com5 failed: Inappropriate ioctl for device"}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"Open port: setting the line state failed"}));
  EXPECT_EQ(BoxTexts(), FailureBox);
  EXPECT_EQ(ComPort, InvalidComHandle);
  EXPECT_TRUE(PortIsFree("COM5"));
}

namespace {

struct FailingStep {
  const char* name;
  std::function<void(TSerialPortCalls&)> fail;
  const char* logged;
};

const FailingStep FailingSteps[] = {
    {"open", [](TSerialPortCalls& calls) { calls.Open = [](const std::string&) { return InvalidComHandle; }; },
     "Open port: opening the port failed"},
    {"settings", [](TSerialPortCalls& calls) { calls.BuildSettings = [](const char*, TComSettings&) { return false; }; },
     "Open port: building the settings failed"},
    {"time-outs", [](TSerialPortCalls& calls) { calls.SetTimeouts = [](TComHandle, const TComTimeouts&) { return false; }; },
     "Open port: setting the time-outs failed"},
    {"state", [](TSerialPortCalls& calls) { calls.SetState = [](TComHandle, const TComSettings&) { return false; }; },
     "Open port: setting the line state failed"},
};

}  // namespace

TEST_F(OpenSerialPortTest, EachFailingStepShowsTheOneFailureBoxAndLeavesThePortClosed) {
  for (const FailingStep& step : FailingSteps) {
    SCOPED_TRACE(step.name);
    dialogs.boxes.clear();
    SerialPortCalls = {};
    step.fail(SerialPortCalls);
    const LogCapture capture;

    EXPECT_FALSE(form->OpenSerialPort());

    EXPECT_TRUE(capture.Has("pelnor.serial", {"Open port: COM2"}));
    EXPECT_EQ(capture.Lines("pelnor.serial").back(), step.logged);
    EXPECT_EQ(BoxTexts(), FailureBox);
    EXPECT_EQ(ComPort, InvalidComHandle);
    EXPECT_TRUE(PortIsFree("COM2"));
  }
}
