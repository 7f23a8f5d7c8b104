// The mode text parsed into line settings.
#include <gtest/gtest.h>

#include "com_port.h"

TEST(ComSettings, ModeTextsThatParse) {
  struct Case {
    const char* mode;
    std::uint32_t baud;
    TParity parity;
    int byteSize;
    TStopBits stopBits;
  };
  const Case cases[] = {
      {"115200,n,8,1", 115200, TParity::None, 8, TStopBits::One},
      {"9600,E,7,2", 9600, TParity::Even, 7, TStopBits::Two},
      {"1200, o, 5, 1", 1200, TParity::Odd, 5, TStopBits::One},
  };
  for (const Case& c : cases) {
    TComSettings settings;
    ASSERT_TRUE(BuildComSettings(c.mode, settings)) << c.mode;
    EXPECT_EQ(settings.BaudRate, c.baud) << c.mode;
    EXPECT_EQ(settings.Parity, c.parity) << c.mode;
    EXPECT_EQ(settings.ByteSize, c.byteSize) << c.mode;
    EXPECT_EQ(settings.StopBits, c.stopBits) << c.mode;
    EXPECT_TRUE(settings.DtrOn && settings.RtsOn) << c.mode;
  }
}

TEST(ComSettings, ModeTextsThatFailLeaveTheSettingsAlone) {
  for (const char* mode : {"", "115200", "115200,n,8", "115200,n,8,1,1", "0,n,8,1", "fast,n,8,1", "115200,x,8,1",
                           "115200,n,9,1", "115200,n,4,1", "115200,n,8,3", "115200,n,8,1.5", "-9600,n,8,1"}) {
    TComSettings settings;
    settings.BaudRate = 7;
    EXPECT_FALSE(BuildComSettings(mode, settings)) << mode;
    EXPECT_EQ(settings.BaudRate, 7u) << mode;
  }
}
