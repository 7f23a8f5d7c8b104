// The real termios code on a pseudo-terminal pair.
#include <gtest/gtest.h>
#include <termios.h>

#include <filesystem>
#include <fstream>

#include "com_port.h"
#include "pseudo_terminal.h"

namespace {

constexpr TComTimeouts OneMillisecond{1, 1, 1, 1, 1};

class ComPortOnPty : public ::testing::Test {
 protected:
  void SetUp() override { folder.Link(2, line.DevicePath()); }
  void TearDown() override { CloseComPort(port); }

  TComHandle OpenSetUp() {
    TComHandle opened = OpenComPort("COM2");
    TComSettings settings;
    EXPECT_TRUE(BuildComSettings("115200,n,8,1", settings));
    settings.DtrOn = settings.RtsOn = false;
    EXPECT_TRUE(SetComState(opened, settings));
    EXPECT_TRUE(SetComTimeouts(opened, OneMillisecond));
    return opened;
  }

  TComLinkFolder folder;
  TPseudoTerminal line;
  TComHandle port = InvalidComHandle;
};

}  // namespace

TEST_F(ComPortOnPty, OpenIsExclusiveUntilClosed) {
  port = OpenComPort("COM2");
  ASSERT_NE(port, InvalidComHandle);
  EXPECT_EQ(OpenComPort("COM2"), InvalidComHandle);
  CloseComPort(port);
  port = OpenComPort("COM2");
  EXPECT_NE(port, InvalidComHandle);
}

TEST_F(ComPortOnPty, AbsentDeviceDoesNotOpen) {
  folder.Link(5, folder.Root() + "/no_such_device");
  EXPECT_EQ(OpenComPort("COM5"), InvalidComHandle);
}

TEST_F(ComPortOnPty, StateIsRaw8N1AtTheBaudRate) {
  port = OpenSetUp();
  termios options;
  ASSERT_EQ(tcgetattr(line.FarEnd(), &options), 0);
  EXPECT_EQ(cfgetospeed(&options), B115200);
  EXPECT_EQ(options.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_FALSE(options.c_cflag & (PARENB | CSTOPB | CRTSCTS));
  EXPECT_FALSE(options.c_lflag & (ICANON | ECHO | ISIG));
  EXPECT_FALSE(options.c_oflag & OPOST);
}

TEST_F(ComPortOnPty, StateFailsOnAFileThatIsNoTerminalAndOnAnUnknownRate) {
  const std::string file = folder.Root() + "/plain_file";
  std::ofstream(file) << "x";
  folder.Link(6, file);
  port = OpenComPort("COM6");
  ASSERT_NE(port, InvalidComHandle);
  TComSettings settings;
  ASSERT_TRUE(BuildComSettings("115200,n,8,1", settings));
  EXPECT_FALSE(SetComState(port, settings));
  CloseComPort(port);

  port = OpenComPort("COM2");
  ASSERT_TRUE(BuildComSettings("12345,n,8,1", settings));
  EXPECT_FALSE(SetComState(port, settings));
}

TEST_F(ComPortOnPty, TimeoutsThatDoNotFitAWaitAreRefused) {
  port = OpenComPort("COM2");
  EXPECT_TRUE(SetComTimeouts(port, OneMillisecond));
  EXPECT_FALSE(SetComTimeouts(port, {1, 0xFFFFFFFF, 1, 1, 1}));
  EXPECT_FALSE(SetComTimeouts(port, {1, 1, 1, 1, 0xFFFFFFFF}));
  EXPECT_FALSE(SetComTimeouts(InvalidComHandle, OneMillisecond));
}

TEST_F(ComPortOnPty, BytesPassBothWays) {
  port = OpenSetUp();
  const std::vector<std::uint8_t> out = {0xFF, 0x90, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x9F, 0x0A, 0x0D, 0x03};
  std::uint32_t count = 0;
  ASSERT_TRUE(WriteComPort(port, out.data(), static_cast<std::uint32_t>(out.size()), count));
  EXPECT_EQ(count, out.size());
  EXPECT_EQ(line.Read(out.size(), 1000), out);

  line.Write(out);
  std::vector<std::uint8_t> in;
  std::uint8_t buffer[128];
  for (int pass = 0; pass < 50 && in.size() < out.size(); ++pass) {
    ASSERT_TRUE(ReadComPort(port, buffer, sizeof buffer, count));
    in.insert(in.end(), buffer, buffer + count);
  }
  EXPECT_EQ(in, out);
}

TEST_F(ComPortOnPty, IdleReadReturnsNothingAndAHungUpLineFails) {
  port = OpenSetUp();
  std::uint8_t buffer[128];
  std::uint32_t count = 99;
  EXPECT_TRUE(ReadComPort(port, buffer, sizeof buffer, count));
  EXPECT_EQ(count, 0u);

  line.HangUp();
  EXPECT_FALSE(ReadComPort(port, buffer, sizeof buffer, count));
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(WriteComPort(port, buffer, 8, count));
}

TEST_F(ComPortOnPty, BytesThatArrivedBeforeTheOpenAreDiscarded) {
  port = OpenSetUp();
  CloseComPort(port);
  line.Write({0xFF, 0x81, 0x00, 0x03, 0x00, 0x00, 0x00, 0x84});

  port = OpenSetUp();
  std::uint8_t buffer[128];
  std::uint32_t count = 99;
  EXPECT_TRUE(ReadComPort(port, buffer, sizeof buffer, count));
  EXPECT_EQ(count, 0u);
  line.Write({0x42});
  for (int pass = 0; pass < 50 && count == 0; ++pass) ASSERT_TRUE(ReadComPort(port, buffer, sizeof buffer, count));
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(buffer[0], 0x42);
}
