// Text typed into the weather send method list selects no item; the
// encoder and the export take it as the item it names, letter case and
// blanks around it ignored, and as no item (byte 255, -1) otherwise.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"
#include "scripted_dialogs.h"
#include "temporary_folder.h"

namespace {

constexpr int SendMethodOffset = 2015;

struct TypedCase {
  const char* typed;
  int index;
};

void PrintTo(const TypedCase& c, std::ostream* out) { *out << '"' << c.typed << '"'; }

class TypedSendMethod : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedSendMethod, CountsAsTheItemItNames) {
  const TypedCase& c = GetParam();
  ScriptedDialogs dialogs;
  TemporaryFolder folder;
  auto form = std::make_unique<TForm1>();
  const auto filter = std::make_unique<TForm4>();
  TForm4* const previousForm4 = std::exchange(Form4, filter.get());
  form->Show();
  QLineEdit* edit = static_cast<QComboBox*>(form->WU_sendmethod->Widget())->lineEdit();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(c.typed));
  EXPECT_EQ(form->WU_sendmethod->ItemIndex(), -1);

  ASSERT_EQ(EncodeConfigurationImage(form.get()), 1);
  EXPECT_EQ(form->ConfigurationImage[SendMethodOffset], static_cast<std::uint8_t>(c.index));

  const std::string file = folder.File("typed.ini");
  dialogs.QueueFile(file);
  form->Savetofile1->Click();
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string written = text.str();
  const auto section = written.find("[WeatherUnderground]");
  ASSERT_NE(section, std::string::npos);
  EXPECT_NE(written.find("\nSendmethod=" + std::to_string(c.index), section), std::string::npos)
      << written.substr(section, 300);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(form->WU_sendmethod->ItemIndex(), -1);
  Form4 = previousForm4;
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedSendMethod,
                         ::testing::Values(TypedCase{"Rapid", -1}, TypedCase{" normal ", 0},
                                           TypedCase{"\"RAPID FIRE\"", 1}, TypedCase{"Normal2", -1}));

}  // namespace
