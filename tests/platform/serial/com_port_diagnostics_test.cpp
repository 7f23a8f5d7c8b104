// What the pelnor.serial log says when a COM port does not open, and the
// hint for each usual cause.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "com_port.h"
#include "com_port_diagnostics.h"
#include "log_capture.h"
#include "pseudo_terminal.h"

namespace {

// Where every hint sends the user: a section of the installed manual page.
constexpr char ManualPage[] = "see TROUBLESHOOTING in pelnor_configurator_com(1)";

struct HintCase {
  int error;
  std::vector<std::string> fragments;  // empty: no hint
};

const HintCase HintCases[] = {
    {EACCES, {"dialout", "log out and in again", ManualPage}},
    {EPERM, {"dialout", ManualPage}},
    {EBUSY, {"another program holds the port", "ModemManager", "brltty", ManualPage}},
    {EAGAIN, {"another program holds the port", "ModemManager", "brltty", ManualPage}},
    {EWOULDBLOCK, {"another program holds the port"}},
    {ENOENT, {"link or the device is missing", ManualPage}},
    {ENODEV, {"link or the device is missing", ManualPage}},
    {ENXIO, {"link or the device is missing", ManualPage}},
    {EIO, {}},
    {0, {}},
};

class ComPortLog : public testing::Test {
 protected:
  void SetUp() override { links.Link(2, line.DevicePath()); }
  // Links COM<number> to a plain file, which is no terminal.
  void LinkPlainFile(int number) {
    const std::string file = links.Root() + "/plain_file";
    std::ofstream(file) << "x";
    links.Link(number, file);
  }

  TComLinkFolder links;
  TPseudoTerminal line;
  LogCapture capture;
};

}  // namespace

TEST(ComPortErrorHint, NamesTheUsualCauseOfEachError) {
  for (const HintCase& c : HintCases) {
    SCOPED_TRACE(c.error);
    const std::string hint = ComPortErrorHint(c.error);
    EXPECT_EQ(hint.empty(), c.fragments.empty());
    for (const std::string& fragment : c.fragments) EXPECT_NE(hint.find(fragment), std::string::npos) << hint;
  }
}

TEST_F(ComPortLog, ANameWithNoLinkFallsBackToTheSerialDeviceAndSaysWhyItIsMissing) {
  if (std::filesystem::exists("/dev/ttyS8")) GTEST_SKIP() << "this machine has /dev/ttyS8";
  EXPECT_EQ(OpenComPort("COM9"), InvalidComHandle);

  EXPECT_TRUE(capture.Has("pelnor.serial", {"COM9 has no link", "/com9", "using /dev/ttyS8"}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"open on /dev/ttyS8 failed: No such file or directory", ManualPage}));
}

TEST_F(ComPortLog, ALinkToAMissingDeviceNamesTheLinkAndItsTarget) {
  const std::string target = links.Root() + "/no_such_device";
  links.Link(5, target);
  EXPECT_EQ(OpenComPort("COM5"), InvalidComHandle);

  EXPECT_TRUE(capture.Has("pelnor.serial", {"COM5 is the link", "/com5 to " + target}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"open on", "/com5 failed: No such file or directory", ManualPage}));
}

TEST_F(ComPortLog, APortAlreadyHeldNamesTheLockAndThePrograms) {
  const TComHandle held = OpenComPort("COM2");
  ASSERT_NE(held, InvalidComHandle);
  EXPECT_TRUE(capture.Has("pelnor.serial", {"COM2 is the link", "to " + line.DevicePath()}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"opened", "/com2"}));

  EXPECT_EQ(OpenComPort("COM2"), InvalidComHandle);
  EXPECT_TRUE(capture.Has("pelnor.serial", {"flock on", "/com2 failed:", "ModemManager", "brltty"}));
  CloseComPort(held);
}

TEST_F(ComPortLog, APortThatCannotDiscardItsInputOpensAndSaysWhy) {
  LinkPlainFile(6);
  const TComHandle port = OpenComPort("COM6");
  EXPECT_NE(port, InvalidComHandle);
  CloseComPort(port);

  EXPECT_TRUE(capture.Has("pelnor.serial", {"tcflush on", "/com6 failed: Inappropriate ioctl for device"}));
}

TEST_F(ComPortLog, SetUpFailuresNameTheCallAndTheSystemsText) {
  LinkPlainFile(6);
  const TComHandle port = OpenComPort("COM6");
  ASSERT_NE(port, InvalidComHandle);
  TComSettings settings;
  EXPECT_FALSE(BuildComSettings("115200,x,8,1", settings));
  ASSERT_TRUE(BuildComSettings("115200,n,8,1", settings));
  EXPECT_FALSE(SetComState(port, settings));
  EXPECT_FALSE(SetComTimeouts(port, {1, 0xFFFFFFFF, 1, 1, 1}));
  CloseComPort(port);

  EXPECT_TRUE(capture.Has("pelnor.serial", {"mode text \"115200,x,8,1\" not understood"}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"tcgetattr on", "/com6 failed: Inappropriate ioctl for device"}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"time-outs for", "too long"}));
}
