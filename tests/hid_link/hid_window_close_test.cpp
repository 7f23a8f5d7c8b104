// A close of the main window asked for during a configuration transfer (a
// close event queued for the window, as the window system queues it): the
// transfer stops within a tick, no further line is logged, no box is shown
// and the window is closed. What the user clicks meanwhile is dropped.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <thread>

#include "hid_link_fixture.h"

namespace {

using namespace std::chrono_literals;

class HidWindowClose : public HidLinkTest {
 protected:
  HidWindowClose() {
    StoreDeviceImage(ValidConfigurationImage());
    form->Show();
  }

  // Each request takes the device 20 ms; the window is asked to close when
  // the device takes request closeAt.
  void CloseAtRequest(std::size_t closeAt) {
    device.alter = [this, closeAt](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange&) {
      std::this_thread::sleep_for(20ms);
      if (request == closeAt) QCoreApplication::postEvent(form->Widget()->windowHandle(), new QCloseEvent);
    };
  }

  int Taken(std::uint8_t command) const {
    const auto commands = Commands();
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
  }
};

struct TTransfer {
  const char* name;
  TButton* TForm1::*button;
  std::uint8_t command;
  const char* pageLine;
};

void PrintTo(const TTransfer& transfer, std::ostream* out) { *out << transfer.name; }

class HidTransferClose : public HidWindowClose, public testing::WithParamInterface<TTransfer> {};

TEST_P(HidTransferClose, StopsTheTransferWithinATickAndShowsNothingMore) {
  CloseAtRequest(10);
  (form.get()->*GetParam().button)->Click();
  EXPECT_FALSE(form->Widget()->isVisible());
  // Pages 20 ms apart: the close is taken at the page after the next tick.
  const int pages = Taken(GetParam().command);
  EXPECT_GT(pages, 10);
  EXPECT_LT(pages, 20);
  EXPECT_EQ(Commands().size(), static_cast<std::size_t>(pages));
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(GetParam().pageLine, pages, 64)}));
  EXPECT_TRUE(dialogs.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Transfers, HidTransferClose,
                         testing::Values(TTransfer{"Read", &TForm1::Button4, 0xFC, "Page read: "},
                                         TTransfer{"Write", &TForm1::Button5, 0xFD, "Page written: "}),
                         [](const testing::TestParamInfo<TTransfer>& info) { return info.param.name; });

// The read has ended and the version is on its way: the box is not shown.
TEST_F(HidWindowClose, ACloseDuringTheVersionQueryShowsNoBox) {
  CloseAtRequest(64);
  form->Button4->Click();
  EXPECT_FALSE(form->Widget()->isVisible());
  EXPECT_EQ(Commands().back(), 0xFB);
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines("Page read: ", 64, 64), {"Eeprom read success.", FoundLine}}));
  EXPECT_TRUE(dialogs.boxes.empty());
}

// A click on "Write config" during a read runs nothing, during the read or
// after it.
TEST_F(HidWindowClose, AClickDuringAReadIsDropped) {
  QWidget* writeButton = form->Button5->Widget();
  device.alter = [&](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange&) {
    std::this_thread::sleep_for(2ms);
    if (request != 5) return;
    const QPointF centre = QRectF(writeButton->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(writeButton, new QMouseEvent(type, centre, writeButton->mapToGlobal(centre),
                                                               Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
  };
  form->Button4->Click();
  QCoreApplication::processEvents();
  EXPECT_EQ(Taken(0xFC), 64);
  EXPECT_EQ(Taken(0xFD), 0);
  EXPECT_TRUE(form->Widget()->isVisible());
  EXPECT_EQ(dialogs.boxes.size(), 1u);  // the firmware version
}

}  // namespace
