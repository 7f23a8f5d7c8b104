// COM names resolved through the dosdevices links or /dev/ttyS<n-1>.
#include <gtest/gtest.h>

#include <cstdlib>

#include "com_port.h"
#include "pseudo_terminal.h"

TEST(ComPortNames, WithoutLinksComNIsTtySNMinusOne) {
  TComLinkFolder folder;
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(ComPortDevicePath("COM" + std::to_string(n)), "/dev/ttyS" + std::to_string(n - 1));
  }
}

TEST(ComPortNames, ALinkNamesTheDevice) {
  TComLinkFolder folder;
  folder.Link(3, "/dev/ttyACM0");
  EXPECT_EQ(ComPortDevicePath("COM3"), folder.Root() + "/pelnor/dosdevices/com3");
  EXPECT_EQ(ComPortDevicePath("COM4"), "/dev/ttyS3");
}

TEST(ComPortNames, OtherNamesNameNothing) {
  TComLinkFolder folder;
  for (const char* name : {"", "COM", "COM0", "COM10", "com1", "LPT1", "COM1 "}) {
    EXPECT_EQ(ComPortDevicePath(name), "") << name;
    EXPECT_EQ(OpenComPort(name), InvalidComHandle) << name;
  }
}

TEST(ComPortNames, FolderDefaultsToTheHomeConfigFolder) {
  TComLinkFolder folder;
  EXPECT_EQ(DosDevicesFolder(), folder.Root() + "/pelnor/dosdevices");
  setenv("XDG_CONFIG_HOME", "", 1);
  const char* home = std::getenv("HOME");
  EXPECT_EQ(DosDevicesFolder(), std::string(home ? home : "") + "/.config/pelnor/dosdevices");
}
