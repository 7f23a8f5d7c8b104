#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cstdint>

#include "hex_bytes.h"
#include "log_capture.h"
#include "log_categories.h"
#include "message_pattern.h"

namespace {

const QLoggingCategory& (*const AllCategories[])() = {lcSerial, lcSerialTrace, lcHid, lcHidTrace, lcFiles};

TEST(LogCategories, SilentUntilARuleSwitchesThemOn) {
  for (auto category : AllCategories) {
    SCOPED_TRACE(category().categoryName());
    EXPECT_FALSE(category().isDebugEnabled());
    EXPECT_FALSE(category().isInfoEnabled());
  }
  {
    LogCapture capture;
    for (auto category : AllCategories) {
      EXPECT_TRUE(category().isDebugEnabled());
      EXPECT_TRUE(category().isInfoEnabled());
    }
  }
  for (auto category : AllCategories) EXPECT_FALSE(category().isInfoEnabled());
}

TEST(LogCategories, OneRuleSwitchesOnOneCategoryOnly) {
  LogCapture capture("pelnor.serial.trace=true");
  qCInfo(lcSerial) << "not shown";
  qCDebug(lcSerialTrace) << "shown";
  EXPECT_EQ(capture.Lines(), std::vector<std::string>{"pelnor.serial.trace: shown"});
}

TEST(HexBytes, UpperCasePairsSeparatedByBlanks) {
  const std::uint8_t bytes[] = {0x00, 0x0F, 0xA5, 0xFF};
  EXPECT_EQ(HexBytes(bytes, 4), QStringLiteral("00 0F A5 FF"));
  EXPECT_EQ(HexBytes(bytes, 1), QStringLiteral("00"));
  EXPECT_EQ(HexBytes(bytes, 0), QString());
}

TEST(LogMessagePattern, LineStartsWithATimeStampAndNamesTheCategory) {
  InstallLogMessagePattern();
  QMessageLogContext context("file.cpp", 1, "function", "pelnor.hid");
  const QString line = qFormatLogMessage(QtInfoMsg, context, QStringLiteral("Opened /dev/hidraw0"));
  qSetMessagePattern(QString());
  EXPECT_TRUE(QRegularExpression(QStringLiteral(
                  R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} pelnor\.hid: Opened /dev/hidraw0$)"))
                  .match(line)
                  .hasMatch())
      << line.toStdString();
}

}  // namespace
