#include "profile_text.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
  const char* name;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;
  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FollowsTheReaderRules) {
  const auto& c = GetParam();
  EXPECT_EQ(TProfileText(c.file).Read(c.section, c.key, "DEFAULT"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    testing::Values(
        ReadCase{"plain", "[Radio]\r\nCallsign=NOCALL\r\n", "Radio", "Callsign", "NOCALL"},
        ReadCase{"names_ignore_case", "[radio]\r\ncallsign=X1\r\n", "RADIO", "CallSign", "X1"},
        ReadCase{"lf_only_lines", "[Radio]\nCallsign=X2\n", "Radio", "Callsign", "X2"},
        ReadCase{"last_line_unterminated", "[Radio]\r\nCallsign=X3", "Radio", "Callsign", "X3"},
        ReadCase{"blanks_trimmed", "[R]\r\nK=   abc def  \r\n", "R", "K", "abc def"},
        ReadCase{"tabs_kept", "[R]\r\nK=\tm/40\t\r\n", "R", "K", "\tm/40\t"},
        ReadCase{"only_blanks_trimmed", "[R]\r\nK= \t m/40 \t \r\n", "R", "K", "\t m/40 \t"},
        ReadCase{"quotes_inside_tabs_kept", "[R]\r\nK=\t'x'\t\r\n", "R", "K", "\t'x'\t"},
        ReadCase{"blanks_around_name", "  [ R ]  \r\n  K  =v\r\n", "R", "K", "v"},
        ReadCase{"double_quotes", "[R]\r\nK=\" a b \"\r\n", "R", "K", " a b "},
        ReadCase{"single_quotes", "[R]\r\nK='x'\r\n", "R", "K", "x"},
        ReadCase{"one_pair_only", "[R]\r\nK=\"\"x\"\"\r\n", "R", "K", "\"x\""},
        ReadCase{"mismatched_quotes_kept", "[R]\r\nK=\"x'\r\n", "R", "K", "\"x'"},
        ReadCase{"lone_quote_kept", "[R]\r\nK=\"\r\n", "R", "K", "\""},
        ReadCase{"empty_value_is_empty", "[R]\r\nK=\r\n", "R", "K", ""},
        ReadCase{"everything_after_first_equals", "[R]\r\nK=a=b\r\n", "R", "K", "a=b"},
        ReadCase{"missing_key", "[R]\r\nJ=1\r\n", "R", "K", "DEFAULT"},
        ReadCase{"missing_section", "[S]\r\nK=1\r\n", "R", "K", "DEFAULT"},
        ReadCase{"key_of_other_section", "[S]\r\nK=1\r\n[R]\r\n", "R", "K", "DEFAULT"},
        ReadCase{"key_before_any_section", "K=1\r\n[R]\r\n", "R", "K", "DEFAULT"},
        ReadCase{"comment_is_no_key", "[R]\r\n;K=1\r\n", "R", "K", "DEFAULT"},
        ReadCase{"first_of_repeated_keys", "[R]\r\nK=1\r\nK=2\r\n", "R", "K", "1"},
        ReadCase{"repeated_section", "[R]\r\nA=1\r\n[S]\r\n[r]\r\nK=2\r\n", "R", "K", "2"},
        ReadCase{"bytes_unchanged", "[R]\r\nK=caf\xe9\x01\x7f\r\n", "R", "K", "caf\xe9\x01\x7f"},
        ReadCase{"inner_cr_kept", "[R]\r\nK=a\rb\r\n", "R", "K", "a\rb"}),
    [](const auto& info) { return info.param.name; });

TEST(ProfileRead, CutsAt2047Characters) {
  const std::string file = "[R]\r\nK=\"" + std::string(3000, 'v') + "\"\r\n";
  EXPECT_EQ(TProfileText(file).Read("R", "K", ""), std::string(2047, 'v'));
  EXPECT_EQ(TProfileText("").Read("R", "K", std::string(2048, 'd')), std::string(2047, 'd'));
}

TEST(ProfileRead, NumbersByTheIntegerConversion) {
  const TProfileText text("[R]\r\nHex=$1F\r\nNeg= -7 \r\nBad=4.5\r\nEmpty=\r\nTwo=2\r\nZero=0\r\nYes=yes\r\n");
  EXPECT_EQ(text.ReadInteger("R", "Hex", 9), 31);
  EXPECT_EQ(text.ReadInteger("R", "Neg", 9), -7);
  EXPECT_EQ(text.ReadInteger("R", "Bad", 9), 9);
  EXPECT_EQ(text.ReadInteger("R", "Empty", 9), 9);
  EXPECT_EQ(text.ReadInteger("R", "Missing", 9), 9);
  EXPECT_TRUE(text.ReadBool("R", "Two", false));
  EXPECT_FALSE(text.ReadBool("R", "Zero", true));
  EXPECT_TRUE(text.ReadBool("R", "Yes", true));
}

struct WriteCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
  friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, FollowsTheWriterRules) {
  const auto& c = GetParam();
  TProfileText text(c.before);
  ASSERT_EQ(text.Write(c.section, c.key, c.value), TProfileWriteResult::Written);
  EXPECT_EQ(text.Bytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    testing::Values(
        WriteCase{"new_file", "", "Radio", "Callsign", "NOCALL", "[Radio]\r\nCallsign=NOCALL\r\n"},
        WriteCase{"replaces_in_place", "[R]\r\nA=1\r\nK=old\r\nB=2\r\n", "R", "K", "new",
                  "[R]\r\nA=1\r\nK=new\r\nB=2\r\n"},
        WriteCase{"keeps_key_spelling_of_file", "[r]\r\n k =old\r\n", "R", "K", "new", "[r]\r\n k =new\r\n"},
        WriteCase{"appends_after_last_line_of_section", "[R]\r\nA=1\r\n\r\n;about S\r\n[S]\r\nB=2\r\n", "R", "K",
                  "v", "[R]\r\nA=1\r\n\r\n;about S\r\nK=v\r\n[S]\r\nB=2\r\n"},
        WriteCase{"appends_after_comment_ending_the_file", "[R]\r\nA=1\r\n; last\r\n", "R", "K", "v",
                  "[R]\r\nA=1\r\n; last\r\nK=v\r\n"},
        WriteCase{"appends_to_first_of_repeated_sections", "[R]\r\nA=1\r\nno equals\r\n[S]\r\n[R]\r\nB=2\r\n", "R",
                  "K", "v", "[R]\r\nA=1\r\nno equals\r\nK=v\r\n[S]\r\n[R]\r\nB=2\r\n"},
        WriteCase{"section_without_keys", "[R]\r\n[S]\r\n", "R", "K", "v", "[R]\r\nK=v\r\n[S]\r\n"},
        WriteCase{"new_section_at_end", "; comment\r\n[S]\r\nB=2\r\n", "R", "K", "v",
                  "; comment\r\n[S]\r\nB=2\r\n[R]\r\nK=v\r\n"},
        WriteCase{"value_not_quoted", "", "R", "K", " \"x\" ", "[R]\r\nK= \"x\" \r\n"},
        WriteCase{"empty_value", "[R]\r\nK=x\r\n", "R", "K", "", "[R]\r\nK=\r\n"},
        WriteCase{"junk_and_bytes_kept", "junk line\n[R]\nno equals\n;caf\xe9\nK=1\n", "R", "K", "2",
                  "junk line\r\n[R]\r\nno equals\r\n;caf\xe9\r\nK=2\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(ProfileWrite, RefusesWhatWouldNotReadBackAndChangesNothing) {
  constexpr auto LineBreak = TProfileWriteResult::LineBreakInValue;
  constexpr auto Name = TProfileWriteResult::NameRefused;
  const std::string before = "[R]\r\nK=1\r\n";
  for (const auto& [section, key, value, result] :
       std::vector<std::tuple<std::string, std::string, std::string, TProfileWriteResult>>{
           {"R", "K", "a\r\nX=injected", LineBreak}, {"R", "K", "a\nb", LineBreak}, {"R", "K", "a\r", LineBreak},
           {"R\n", "K", "v", Name}, {"R]", "K", "v", Name}, {"", "K", "v", Name}, {"R", "", "v", Name},
           {"R", "K=", "v", Name}, {"R", ";K", "v", Name}, {"R", " K", "v", Name}}) {
    TProfileText text(before);
    EXPECT_EQ(text.Write(section, key, value), result) << section << "/" << key;
    EXPECT_EQ(text.Bytes(), before);
  }
}

}  // namespace
