// Start-up: the splash picture first, then the four forms in order with the
// main window as the main form, the splash gone before the main window
// shows; a failure shows one error box and ends start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Splashscreen_zodu.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "application.h"
#include "calendar_time.h"
#include "exception.h"
#include "jpeg_picture.h"
#include "program_pictures.h"
#include "scripted_dialogs.h"
#include "startup.h"

namespace {

constexpr const char* SplashName = "SplashScreen_zodu";

bool SplashOnScreen() {
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == SplashName && window->isVisible()) return true;
  }
  return false;
}

// Records, in order, the splash being shown and painted, each form getting
// its first control, and each form being shown.
class StartupEvents : public QObject {
 public:
  StartupEvents() { qApp->installEventFilter(this); }
  ~StartupEvents() override { qApp->removeEventFilter(this); }

  std::vector<std::string> events;
  bool splashWithMainWindow = false;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    const QWidget* widget = qobject_cast<const QWidget*>(object);
    if (!widget || !widget->isWindow()) return false;
    const std::string name = widget->objectName().toStdString();
    if (name.empty()) return false;
    if (event->type() == QEvent::Show) {
      events.push_back(name + " shown");
      if (name == "Form1" && SplashOnScreen()) splashWithMainWindow = true;
    } else if (event->type() == QEvent::Paint && name == SplashName && !painted_.count(name)) {
      painted_.insert(name);
      events.push_back(name + " painted");
    } else if (event->type() == QEvent::ChildAdded && name.rfind("Form", 0) == 0 && !built_.count(name)) {
      built_.insert(name);
      events.push_back(name + " built");
    }
    return false;
  }

 private:
  std::set<std::string> painted_;
  std::set<std::string> built_;
};

// Runs StartApplication with a stand-in for the splash wait; the main
// window is closed as soon as the message loop runs.
class Startup : public ::testing::Test {
 protected:
  Startup() {
    SplashWait = [this](std::chrono::milliseconds delay) {
      waits.push_back(delay);
      splashShownDuringWait = SplashOnScreen();
      formsDuringWait = {Form1, Form2, Form3, Form4};
      mainFormVisibleDuringWait = Form1 && Form1->Widget()->isVisible();
      if (failDuringWait) failDuringWait();
      QTimer::singleShot(0, [] { Application->MainForm()->Close(); });
    };
  }
  ~Startup() override {
    SplashWait = savedWait_;
    SetCalendarClock({});
    Application->DestroyForms();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
  }

  ScriptedDialogs dialogs;
  StartupEvents recorder;
  std::vector<std::chrono::milliseconds> waits;
  bool splashShownDuringWait = false;
  bool mainFormVisibleDuringWait = true;
  std::vector<TForm*> formsDuringWait;
  std::function<void()> failDuringWait;

 private:
  std::function<void(std::chrono::milliseconds)> savedWait_ = SplashWait;
};

TEST_F(Startup, SplashThenFormsInOrderThenTheMainWindow) {
  EXPECT_EQ(StartApplication(), 0);

  EXPECT_EQ(Application->Title(), "Pelnor Rudi Davurariruzo");
  EXPECT_EQ(waits, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1500)});
  EXPECT_TRUE(splashShownDuringWait);
  EXPECT_FALSE(mainFormVisibleDuringWait);
  const std::vector<std::string> expected = {"SplashScreen_zodu shown", "SplashScreen_zodu painted",
                                             "Form1 built",             "Form2 built",
                                             "Form3 built",             "Form4 built",
                                             "Form1 shown"};
  EXPECT_EQ(recorder.events, expected);
  EXPECT_FALSE(recorder.splashWithMainWindow);
  EXPECT_FALSE(SplashOnScreen());

  ASSERT_EQ(formsDuringWait.size(), 4u);
  for (const TForm* form : formsDuringWait) EXPECT_NE(form, nullptr);
  ASSERT_EQ(Application->Forms().size(), 4u);
  EXPECT_EQ(Application->MainForm(), Form1);
  EXPECT_EQ(Application->Forms()[0].get(), Form1);
  EXPECT_EQ(Application->Forms()[1].get(), Form2);
  EXPECT_EQ(Application->Forms()[2].get(), Form3);
  EXPECT_EQ(Application->Forms()[3].get(), Form4);
  EXPECT_FALSE(Form2->Widget()->isVisible());
  EXPECT_FALSE(Form3->Widget()->isVisible());
  EXPECT_FALSE(Form4->Widget()->isVisible());

  // No port, device or file is touched: nothing is reported.
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_TRUE(Form1->Memo1->Lines().empty());
}

struct FailureCase {
  const char* name;
  std::function<void()> fail;
  const char* shown;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class StartupFailure : public Startup, public ::testing::WithParamInterface<FailureCase> {};

// One error box captioned with the title, no main window, and 0 returned.
TEST_P(StartupFailure, OneErrorBoxAndNoMainWindow) {
  failDuringWait = GetParam().fail;
  bool splashDuringBox = true;
  dialogs.onBox = [&](const TMessageBoxRequest&) { splashDuringBox = SplashOnScreen(); };

  EXPECT_EQ(StartApplication(), 0);

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
  EXPECT_EQ(dialogs.boxes[0].Caption, "Pelnor Rudi Davurariruzo");
  EXPECT_EQ(dialogs.boxes[0].Text, GetParam().shown);
  for (const std::string& event : recorder.events) EXPECT_NE(event, "Form1 shown");
  // A splash on top of everything would hide the box.
  EXPECT_FALSE(splashDuringBox);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupFailure,
    ::testing::Values(FailureCase{"ExceptionClass", [] { throw Exception("Resource not found") ; },
                                  "Resource not found."},
                      FailureCase{"EndsWithFullStop", [] { throw Exception("Out of memory."); }, "Out of memory."},
                      FailureCase{"OtherStandardException", [] { throw std::runtime_error("lost"); }, ""},
                      FailureCase{"NotAnExceptionAtAll", [] { throw 42; }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The main window's constructor fails: its instance is cleared, the forms
// after it are never made, and the splash wait never comes.
TEST_F(Startup, MainWindowConstructorFailureClearsItsInstance) {
  SetCalendarClock([]() -> std::int64_t { throw Exception("Clock unreadable"); });

  EXPECT_EQ(StartApplication(), 0);

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Text, "Clock unreadable.");
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form2, nullptr);
  EXPECT_EQ(Form4, nullptr);
  EXPECT_TRUE(waits.empty());
  EXPECT_TRUE(Application->Forms().empty());
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(SplashForm, FillsItsBorderlessAlwaysOnTopFrameWithThePicture) {
  TSplashScreen_zodu splash;
  EXPECT_EQ(splash.ClientWidth(), 254);
  EXPECT_EQ(splash.ClientHeight(), 254);
  const Qt::WindowFlags flags = splash.Widget()->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(splash.Image1->Widget()->geometry(), QRect(0, 0, 254, 254));
  const QLabel* image = qobject_cast<const QLabel*>(splash.Image1->Widget());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixmap().size(), QSize(254, 254));
}

// The program's own picture: a progressive JPEG that libjpeg decodes.
QByteArray SplashBytes() {
  QFile file(QString::fromLatin1(SplashPicturePath));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

QImage Decode(const QByteArray& bytes) {
  return DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
}

TEST(SplashPicture, IsAProgressive254PixelSquare) {
  const QByteArray bytes = SplashBytes();
  // Start of frame, progressive DCT.
  EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC2", 2)));
  const QImage picture = Decode(bytes);
  EXPECT_EQ(picture.size(), QSize(254, 254));
  // A picture, not a blank: more than a handful of colours.
  std::set<QRgb> colours;
  for (int y = 0; y < picture.height(); y += 8) {
    for (int x = 0; x < picture.width(); x += 8) colours.insert(picture.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 16u);
}

// A damaged picture is refused with an exception, never a crash or exit.
TEST(SplashPicture, DamagedDataIsRefused) {
  const QByteArray good = SplashBytes();
  QByteArray badMarker = good;
  badMarker[1] = '\x00';
  const QByteArray cases[] = {
      QByteArray(),                       // empty
      QByteArray("not a picture at all"),  // no JPEG marker
      good.left(good.size() / 2),          // truncated: libjpeg only warns
      good.left(200),                      // cut inside the headers
      badMarker,                           // start marker destroyed
  };
  for (const QByteArray& bytes : cases) {
    try {
      Decode(bytes);
      ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()).rfind("The JPEG picture cannot be decoded: ", 0), 0u) << e.what();
    }
  }
}

}  // namespace
