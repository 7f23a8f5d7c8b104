// The three transfer buttons with a port open whose worker has not taken
// the request yet: what each posts in LinkRequest, the copy of the pages
// the request carries, and the refusals that post nothing.
#include "calendar_time.h"
#include "configuration_codec.h"
#include "firmware_resource.h"
#include "link_request.h"
#include "resources.h"
#include "serial_link_fixture.h"

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
  return bytes;
}

std::vector<std::uint8_t> ImageOf(const TForm1& form) {
  return {std::begin(form.ConfigurationImage), std::end(form.ConfigurationImage)};
}

void ExpectCounters(const TPageCounters& counters, std::uint32_t last, std::uint32_t current) {
  EXPECT_EQ(counters.LastPageIndex, last);
  EXPECT_EQ(counters.CurrentPage, current);
}

class TransferRequestTest : public SerialLinkTest {
 protected:
  TransferRequestTest() { OpenLinkRequests(); }
};

}  // namespace

TEST_F(TransferRequestTest, ReadConfigPostsAReadOfPages0To15) {
  form->Button4->Click();

  ExpectCounters(form->ConfigReadCounters, 15, 0);
  EXPECT_EQ(LinkRequest.load(), ConfigReadRequest);
  const TLinkTransfer taken = TakeLinkRequest();
  EXPECT_EQ(taken.Code, ConfigReadRequest);
  ExpectCounters(taken.Counters, 15, 0);
  EXPECT_TRUE(taken.Pages.empty());
  EXPECT_EQ(LinkRequest.load(), NoLinkRequest);
  EXPECT_EQ(TakeLinkRequest().Code, NoLinkRequest);
}

TEST_F(TransferRequestTest, WriteConfigPostsTheEncodedImage) {
  form->Button5->Click();

  ASSERT_TRUE(dialogs.boxes.empty()) << BoxTexts().front();
  ExpectCounters(form->ConfigWriteCounters, 15, 0);
  const TLinkTransfer taken = TakeLinkRequest();
  EXPECT_EQ(taken.Code, ConfigWriteRequest);
  ExpectCounters(taken.Counters, 15, 0);
  EXPECT_EQ(taken.Pages, ImageOf(*form));
}

TEST_F(TransferRequestTest, WriteConfigStampsTheRtcFieldsOnlyWhenAsked) {
  SetCalendarClock([] { return std::int64_t{1767225600}; });  // 2026-01-01 00:00 UTC
  form->Uploadpctime->SetChecked(false);
  form->Rtcyear->SetText("2031");
  form->Button5->Click();
  EXPECT_EQ(form->Rtcyear->Text(), "2031");

  form->Uploadpctime->SetChecked(true);
  form->Button5->Click();
  EXPECT_EQ(form->Rtcyear->Text(), "2026");
  SetCalendarClock({});
}

TEST_F(TransferRequestTest, WriteConfigWithAnInvalidSettingChangesNothing) {
  form->ConfigWriteCounters = {7, 3};
  form->Callsign->SetText("");

  form->Button5->Click();

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Callsign - too short (ex. NOCALL-4)."});
  ExpectCounters(form->ConfigWriteCounters, 7, 3);
  EXPECT_EQ(LinkRequest.load(), NoLinkRequest);
}

TEST_F(TransferRequestTest, AFailedWriteConfigCannotChangeThePagesOfAPostedOne) {
  form->Button5->Click();
  const std::vector<std::uint8_t> encoded = ImageOf(*form);
  form->Callsign->SetText("");
  form->Button5->Click();
  ASSERT_NE(ImageOf(*form), encoded);

  const TLinkTransfer taken = TakeLinkRequest();
  EXPECT_EQ(taken.Code, ConfigWriteRequest);
  EXPECT_EQ(taken.Pages, encoded);
}

TEST_F(TransferRequestTest, ALaterPostReplacesOneNotYetTaken) {
  InstallResource(FirmwareResourceId, Pattern(300, 1));
  form->Button4->Click();
  form->Button3->Click();
  InstallResource(FirmwareResourceId, Pattern(200, 9));
  form->Button3->Click();

  const TLinkTransfer taken = TakeLinkRequest();
  EXPECT_EQ(taken.Code, FirmwareUploadRequest);
  ExpectCounters(taken.Counters, 2, 0);
  EXPECT_EQ(taken.Pages, Pattern(200, 9));
  EXPECT_EQ(TakeLinkRequest().Code, NoLinkRequest);
}

namespace {

struct FirmwareCase {
  const char* name;
  std::size_t size;
  std::uint32_t pages;
};

const FirmwareCase AcceptedFirmware[] = {
    {"one byte", 1, 1},
    {"one full page", 128, 1},
    {"one byte into the second page", 129, 2},
    {"the current image", 200704, 1568},
    {"the largest image", FirmwareBufferSize, 1920},
};

}  // namespace

TEST_F(TransferRequestTest, UploadFirmwareCopiesTheImageCountsItsPagesAndPostsACopy) {
  for (const FirmwareCase& c : AcceptedFirmware) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint8_t> image = Pattern(c.size, 3);
    InstallResource(FirmwareResourceId, image);
    form->FirmwareBuffer.CurrentPage = 99;
    form->ProgressBar1->SetRange(0, 5);
    form->ProgressBar1->SetPosition(4);

    form->Button3->Click();

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), form->FirmwareBuffer.Bytes));
    EXPECT_EQ(form->FirmwareBuffer.ByteCount, c.size);
    EXPECT_EQ(form->FirmwareBuffer.PageCount, c.pages);
    EXPECT_EQ(form->FirmwareBuffer.CurrentPage, 0u);
    EXPECT_EQ(form->ProgressBar1->Min(), 0);
    EXPECT_EQ(form->ProgressBar1->Max(), static_cast<int>(c.pages));
    EXPECT_EQ(form->ProgressBar1->Position(), 0);

    const TLinkTransfer taken = TakeLinkRequest();
    EXPECT_EQ(taken.Code, FirmwareUploadRequest);
    ExpectCounters(taken.Counters, c.pages, 0);
    EXPECT_EQ(taken.Pages, image);
  }
}

namespace {

struct RefusedFirmware {
  const char* name;
  std::function<void()> install;
  const char* message;
};

const RefusedFirmware RefusedFirmwareCases[] = {
    {"no resource", [] {}, "Firmware resource not found (FindResource)."},
    {"not loadable", [] { InstallResource(FirmwareResourceId, Pattern(256, 5), false); },
     "Firmware resource not found (LoadResource)."},
    {"one byte too long", [] { InstallResource(FirmwareResourceId, Pattern(FirmwareBufferSize + 1, 5)); },
     "Firmware file too long."},
};

}  // namespace

TEST_F(TransferRequestTest, UploadFirmwareWithoutAUsableImageShowsWhyAndPostsNothing) {
  InstallResource(FirmwareResourceId, Pattern(1000, 8));
  form->Button3->Click();
  TakeLinkRequest();
  const std::vector<std::uint8_t> before(std::begin(form->FirmwareBuffer.Bytes), std::end(form->FirmwareBuffer.Bytes));
  form->FirmwareBuffer.CurrentPage = 5;

  for (const RefusedFirmware& c : RefusedFirmwareCases) {
    SCOPED_TRACE(c.name);
    dialogs.boxes.clear();
    RemoveResource(FirmwareResourceId);
    c.install();

    form->Button3->Click();

    EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message});
    EXPECT_EQ(LinkRequest.load(), NoLinkRequest);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), form->FirmwareBuffer.Bytes));
    EXPECT_EQ(form->FirmwareBuffer.ByteCount, 1000u);
    EXPECT_EQ(form->FirmwareBuffer.PageCount, 8u);
    EXPECT_EQ(form->FirmwareBuffer.CurrentPage, 5u);
  }
}
