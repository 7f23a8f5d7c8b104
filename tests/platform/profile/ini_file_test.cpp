#include "ini_file.h"

#include <gtest/gtest.h>

#include "exception.h"
#include "file_limit.h"
#include "temporary_folder.h"

namespace {

std::string Text(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}
void SetText(const std::string& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }

TEST(IniFile, WritesReachTheFileOnlyByUpdateFile) {
  TemporaryFolder folder;
  const auto file = folder.File("a.cfg");
  SetText(file, "; mine\r\n[R]\r\nK=old\r\n");
  {
    TIniFile ini(file);
    ini.WriteString("R", "K", "new");
    ini.WriteInteger("R", "I", -2147483647 - 1);
    ini.WriteBool("S", "B", true);
    EXPECT_EQ(Text(file), "; mine\r\n[R]\r\nK=old\r\n");
  }
  EXPECT_EQ(Text(file), "; mine\r\n[R]\r\nK=old\r\n");

  TIniFile ini(file);
  ini.WriteString("R", "K", "new");
  ini.WriteInteger("R", "I", -2147483647 - 1);
  ini.WriteBool("S", "B", false);
  EXPECT_TRUE(ini.UpdateFile());
  EXPECT_EQ(Text(file), "; mine\r\n[R]\r\nK=new\r\nI=-2147483648\r\n[S]\r\nB=0\r\n");
}

TEST(IniFile, RefusedWritesRaiseUnableToWrite) {
  TemporaryFolder folder;
  const auto file = folder.File("a.cfg");
  SetText(file, "[R]\r\nK=old\r\n");
  TIniFile full(file);
  full.WriteString("R", "K", std::string(100, 'n'));
  try {
    FileSizeLimit limit(4);
    static_cast<void>(full.UpdateFile());
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + file);
  }
  EXPECT_EQ(Text(file), "[R]\r\nK=old\r\n");

  TIniFile below(folder.File("a.cfg/b.cfg"));
  EXPECT_THROW(below.WriteString("R", "K", "v"), Exception);
  TIniFile lineBreak(folder.File("c.cfg"));
  EXPECT_THROW(lineBreak.WriteString("R", "K", "a\r\nb"), Exception);
  TIniFile unreadable(folder.File(""));
  EXPECT_THROW(unreadable.WriteString("R", "K", "v"), Exception);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

// The bound refuses a larger file before it is read, and a text that
// would grow larger than it before it is written; a file at the bound is
// written into.
TEST(IniFile, RefusesAFileLargerThanItsBound) {
  TemporaryFolder folder;
  const auto file = folder.File("a.cfg");
  const std::string before = "[R]\r\nK=old\r\n";
  SetText(file, before);
  TIniFile over(file, before.size() - 1);
  try {
    over.WriteString("R", "K", "new");
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + file);
  }
  EXPECT_EQ(Text(file), before);

  TIniFile grown(file, before.size());
  grown.WriteString("R", "K", "newer");
  EXPECT_FALSE(grown.UpdateFile());
  EXPECT_EQ(Text(file), before);

  TIniFile at(file, before.size());
  at.WriteString("R", "K", "new");
  EXPECT_TRUE(at.UpdateFile());
  EXPECT_EQ(Text(file), "[R]\r\nK=new\r\n");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.cfg"});
}

}  // namespace
