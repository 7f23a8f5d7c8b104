// "Upload firmware" against the simulated device, with test firmware images.
#include <QTimer>
#include <QWidget>

#include "firmware_resource.h"
#include "hid_link_fixture.h"
#include "resources.h"

namespace {

const std::string Written = "Page written: ";
const std::string WriteError = "Page write error: ";

std::vector<std::uint8_t> TestFirmware(std::size_t size) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + i / 251 + 1);
  return image;
}

class HidUpgrade : public HidLinkTest {
 protected:
  ~HidUpgrade() override { RemoveResource(FirmwareResourceId); }

  void Upgrade() { form->Button3->Click(); }

  std::vector<TButton*> ConnectionButtons() const {
    return {form->Button1, form->Button2, form->Button3, form->Button4, form->Button5};
  }
  bool AllConnectionButtons(bool enabled) const {
    const auto buttons = ConnectionButtons();
    return std::all_of(buttons.begin(), buttons.end(), [&](TButton* b) { return b->Enabled() == enabled; });
  }
};

TEST_F(HidUpgrade, SendsTheImageInPagesOf32BytesPaddedWithZeros) {
  for (const std::size_t size : {32u, 33u, 1000u, 200704u, 245760u}) {
    SCOPED_TRACE(size);
    form->Memo1->Clear();
    device.requests.clear();
    device.firmware.clear();
    std::fill(std::begin(form->FirmwareBuffer.Bytes), std::end(form->FirmwareBuffer.Bytes), 0xEE);
    const auto image = TestFirmware(size);
    InstallResource(FirmwareResourceId, image);
    const int pages = static_cast<int>((size + 31) / 32);

    Upgrade();
    EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Written, pages, pages), {"Firmware upgrade success"}}));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_EQ(form->ProgressBar1->Max(), pages);
    EXPECT_EQ(form->FirmwareBuffer.ByteCount, size);
    EXPECT_EQ(form->FirmwareBuffer.PageCount, static_cast<std::uint32_t>(pages));

    ASSERT_EQ(device.requests.size(), static_cast<std::size_t>(pages));
    for (int i = 0; i < pages; ++i) {
      ASSERT_EQ(device.requests[i][1], 0xFE);
      ASSERT_EQ(device.requests[i][2] | device.requests[i][3] << 8, i);
    }
    ASSERT_EQ(device.firmware.size(), static_cast<std::size_t>(pages) * 32);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), device.firmware.begin()));
    EXPECT_TRUE(std::all_of(device.firmware.begin() + static_cast<std::ptrdiff_t>(size), device.firmware.end(),
                            [](std::uint8_t b) { return b == 0; }));
  }
}

TEST_F(HidUpgrade, ButtonsAreDisabledAndMessagesRunBeforeEachPage) {
  InstallResource(FirmwareResourceId, TestFirmware(10 * 32));
  form->Show();
  std::vector<bool> disabledAtPage;
  std::vector<std::size_t> messagesRunAfter;
  std::vector<bool> shownAfterClose;
  device.alter = [&](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange&) {
    disabledAtPage.push_back(AllConnectionButtons(false));
    // Runs with the pending messages before the next page.
    QTimer::singleShot(0, form->Widget(), [&] { messagesRunAfter.push_back(device.requests.size()); });
    if (request == 3) {
      form->Button4->Click();  // disabled: no read starts
      form->Close();
      shownAfterClose.push_back(form->Widget()->isVisible());
    }
  };
  Upgrade();
  EXPECT_EQ(disabledAtPage, std::vector<bool>(10, true));
  EXPECT_EQ(messagesRunAfter, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(shownAfterClose, std::vector<bool>{true});
  EXPECT_FALSE(Asked(0xFC));
  EXPECT_TRUE(AllConnectionButtons(true));
  EXPECT_FALSE(form->Button1->Visible());
  EXPECT_FALSE(form->Button2->Visible());
  EXPECT_EQ(Log().back(), "Firmware upgrade success");

  form->Close();
  EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(HidUpgrade, AFailedPageEnablesTheButtonsAndClosesTheDevice) {
  InstallResource(FirmwareResourceId, TestFirmware(100 * 32));
  device.alter = [](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
    if (request == 2) exchange.replyLength = 0;
  };
  Upgrade();
  EXPECT_EQ(Log(), Joined({{FoundLine}, PageLines(Written, 2, 100), {WriteError + "3/100"}}));
  EXPECT_EQ(form->ProgressBar1->Position(), 2);
  EXPECT_TRUE(AllConnectionButtons(true));
  EXPECT_EQ(device.openHandles, 0);
  EXPECT_TRUE(form->CanClose());
}

TEST_F(HidUpgrade, AFoundDeviceThatDoesNotOpenFailsTheFirstPage) {
  InstallResource(FirmwareResourceId, TestFirmware(6272 * 32));
  device.writeOpenFails = true;
  Upgrade();
  EXPECT_EQ(Log(), (std::vector<std::string>{FoundLine, WriteError + "1/6272"}));
  EXPECT_TRUE(AllConnectionButtons(true));
}

TEST_F(HidUpgrade, AMissingOrOversizedImageSendsNothing) {
  struct Case {
    const char* box;
    std::size_t size;
    bool installed, loadable;
  };
  const Case cases[] = {
      {"Firmware resource not found (FindResource).", 0, false, true},
      {"Firmware resource not found (LoadResource).", 320, true, false},
      {"Firmware file too long.", 245761, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    form->Memo1->Clear();
    dialogs.boxes.clear();
    RemoveResource(FirmwareResourceId);
    if (c.installed) InstallResource(FirmwareResourceId, TestFirmware(c.size), c.loadable);
    Upgrade();
    EXPECT_EQ(Log(), std::vector<std::string>{FoundLine});
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Information);
    EXPECT_EQ(dialogs.boxes[0].Text, c.box);
    EXPECT_TRUE(device.requests.empty());
    EXPECT_EQ(device.openHandles, 0);
    EXPECT_TRUE(AllConnectionButtons(true));
  }
}

TEST_F(HidUpgrade, WithoutADeviceTheImageIsNotLookedAt) {
  device.interfaces.clear();
  Upgrade();
  EXPECT_EQ(Log(), std::vector<std::string>{NotFoundLine});
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
