// What the pelnor.serial log says when a COM port does not open, and the
// hint for each usual cause.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "com_port.h"
#include "com_port_diagnostics.h"
#include "log_capture.h"
#include "ordinary_file_user.h"
#include "pseudo_terminal.h"
#include "temporary_folder.h"

namespace {

// Where every hint sends the user: a section of the installed manual page.
constexpr char ManualPage[] = "see TROUBLESHOOTING in pelnor_configurator_com(1)";

struct HintCase {
  int error;
  std::vector<std::string> fragments;  // empty: no hint
};

const HintCase HintCases[] = {
    {EBUSY,
     {"another program holds the port", "a second copy of this program, ModemManager or brltty", "fuser -v",
      "package psmisc", ManualPage}},
    {EAGAIN, {"another program holds the port", "a second copy of this program", "fuser -v", ManualPage}},
    {EWOULDBLOCK, {"another program holds the port"}},
    {ENOENT, {"link or the device is missing", ManualPage}},
    {ENODEV, {"link or the device is missing", ManualPage}},
    {ENXIO, {"link or the device is missing", ManualPage}},
    {EIO, {}},
    {0, {}},
};

// A device node's group and mode, and what a refused open then advises.
struct AccessCase {
  const char* group;
  mode_t mode;
  std::vector<std::string> fragments;
  std::vector<std::string> absent;
};

const AccessCase AccessCases[] = {
    {"dialout",
     0660,
     {"the device belongs to the group dialout with mode 0660", "sudo usermod -aG dialout $USER",
      "log out and in again", ManualPage},
     {}},
    {"root",
     0600,
     {"the device belongs to the group root with mode 0600", "joining its group does not help", "udev rule",
      ManualPage},
     {"usermod", "dialout"}},
    {"dialout", 0604, {"the group dialout with mode 0604", "udev rule", ManualPage}, {"usermod"}},
    {"root", 0660, {"the group root with mode 0660", "udev rule", ManualPage}, {"usermod", "dialout"}},
};

// Gives path the named group and mode; false when that is not possible here.
bool SetGroupAndMode(const std::string& path, const char* groupName, mode_t mode) {
  const group* entry = getgrnam(groupName);
  return entry && chown(path.c_str(), static_cast<uid_t>(-1), entry->gr_gid) == 0 && chmod(path.c_str(), mode) == 0;
}

void ExpectHint(const std::string& text, const std::vector<std::string>& fragments,
                const std::vector<std::string>& absent) {
  for (const std::string& fragment : fragments)
    EXPECT_NE(text.find(fragment), std::string::npos) << "\"" << fragment << "\" missing from: " << text;
  for (const std::string& fragment : absent)
    EXPECT_EQ(text.find(fragment), std::string::npos) << "\"" << fragment << "\" in: " << text;
}

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
    const std::string hint = ComPortErrorHint(c.error, "/dev/ttyACM0");
    EXPECT_EQ(hint.empty(), c.fragments.empty());
    ExpectHint(hint, c.fragments, {});
  }
}

TEST(ComPortErrorHint, APermissionErrorNamesTheDevicesOwnGroupAndMode) {
  TemporaryFolder folder;
  const std::string device = folder.File("ttyACM0");
  std::ofstream(device) << "x";
  for (const int error : {EACCES, EPERM}) {
    for (const AccessCase& c : AccessCases) {
      SCOPED_TRACE(std::string(c.group) + " " + std::to_string(c.mode) + " errno " + std::to_string(error));
      if (!SetGroupAndMode(device, c.group, c.mode)) GTEST_SKIP() << "cannot give a file the group " << c.group;
      ExpectHint(ComPortErrorHint(error, device), c.fragments, c.absent);
    }
  }
}

TEST(ComPortErrorHint, APermissionErrorOnADeviceItCannotLookAtSaysSo) {
  ExpectHint(ComPortErrorHint(EACCES, "/no/such/folder/ttyACM0"),
             {"the user may not open the device, nor read its group and mode", ManualPage}, {"dialout"});
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

TEST_F(ComPortLog, APortAlreadyHeldNamesTheLockAndHowToFindTheHolder) {
  const TComHandle held = OpenComPort("COM2");
  ASSERT_NE(held, InvalidComHandle);
  EXPECT_TRUE(capture.Has("pelnor.serial", {"COM2 is the link", "to " + line.DevicePath()}));
  EXPECT_TRUE(capture.Has("pelnor.serial", {"opened", "/com2"}));

  EXPECT_EQ(OpenComPort("COM2"), InvalidComHandle);
  EXPECT_TRUE(capture.Has("pelnor.serial", {"flock on", "/com2 failed:", "for example a second copy of this program",
                                            "fuser -v", "package psmisc", ManualPage}));
  CloseComPort(held);
}

// The pseudo-terminal is the device node; the thread opens it as a user who
// owns the links but is in none of the device's groups.
TEST_F(ComPortLog, AnOpenRefusedForWantOfPermissionNamesTheDevicesGroupAndMode) {
  for (const AccessCase& c : AccessCases) {
    SCOPED_TRACE(std::string(c.group) + " " + std::to_string(c.mode));
    if (!SetGroupAndMode(line.DevicePath(), c.group, c.mode))
      GTEST_SKIP() << "cannot give the device the group " << c.group;
    {
      OrdinaryFileUser user(links.Root());
      ASSERT_TRUE(user.Active());
      EXPECT_EQ(OpenComPort("COM2"), InvalidComHandle);
    }
    const std::vector<std::string> lines = capture.Lines("pelnor.serial");
    ASSERT_FALSE(lines.empty());
    ExpectHint(lines.back(), {"open on " + links.Root(), "/com2 failed: Permission denied"}, {});
    ExpectHint(lines.back(), c.fragments, c.absent);
  }
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
