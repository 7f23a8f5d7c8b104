// A reply that comes after its page's wait ran out is held by the device
// and arrives at the next open: the next operation must not take it for
// the answer to one of its own requests.
#include <functional>

#include "hid_link_fixture.h"

namespace {

constexpr std::size_t LatePage = 9;

struct LateReplyCase {
  const char* name;
  int button;  // 5: "Write config", 4: "Read config"
  std::vector<std::string> failedLog;
  std::vector<std::string> retryLog;
};

class HidLateReply : public HidLinkTest {
 protected:
  void Click(int button) { (button == 5 ? form->Button5 : form->Button4)->Click(); }
};

TEST_F(HidLateReply, TheOperationFailsAtThatPageAndARetryAtOnceHasEveryPageInItsPlace) {
  const LateReplyCase cases[] = {
      {"write", 5,
       Joined({{FoundLine}, PageLines("Page written: ", 9, 64), {"Page write error: 10/64"}}),
       Joined({{FoundLine}, PageLines("Page written: ", 64, 64), {"Eeprom write success"}})},
      {"read", 4,
       Joined({{FoundLine}, PageLines("Page read: ", 9, 64), {"Page read error: 10/64", ChecksumErrorLine}}),
       Joined({{FoundLine}, PageLines("Page read: ", 64, 64), {"Eeprom read success.", FoundLine}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto image = ValidConfigurationImage();
    for (std::size_t i = 100; i < 2000; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    StoreImageChecksum(image.data());
    StoreDeviceImage(image);
    form->Memo1->Clear();
    dialogs.boxes.clear();
    device.requests.clear();
    device.alter = [](std::size_t request, const THidReport&, SimulatedHidDevice::Exchange& exchange) {
      if (request == LatePage) exchange.late = true;
    };
    Click(c.button);
    EXPECT_EQ(Log(), c.failedLog);

    form->Memo1->Clear();
    device.alter = nullptr;
    Click(c.button);
    EXPECT_EQ(Log(), c.retryLog);
    // Every reply was read by the exchange that asked for it.
    EXPECT_EQ(device.QueuedReplies(), 0u);
    if (c.button == 4) {
      EXPECT_TRUE(std::equal(std::begin(ReceivedImage), std::end(ReceivedImage), image.begin()));
      ASSERT_EQ(dialogs.boxes.size(), 1u);
      EXPECT_EQ(dialogs.boxes[0].Text, "Firmware version: 1.47");
    } else {
      EXPECT_TRUE(std::equal(std::begin(form->ConfigurationImage), std::end(form->ConfigurationImage),
                             std::begin(device.configuration)));
    }
  }
}

TEST_F(HidLateReply, ADeviceThatNeverStopsSendingDoesNotHoldTheOpen) {
  device.babbling = true;
  Click(4);
  EXPECT_EQ(Log(), Joined({{FoundLine, "Page read error: 1/64", ChecksumErrorLine}}));
}

}  // namespace
