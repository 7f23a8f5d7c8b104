#include "hid_transfers.h"

#include <algorithm>
#include <string>

#include "Unit1.h"
#include "application.h"
#include "configuration_layout.h"
#include "hid_device.h"
#include "hid_messages.h"
#include "hid_reports.h"
#include "image_fields.h"
#include "log_categories.h"
#include "window_close.h"

namespace {

constexpr int ConfigurationPageCount = ConfigurationImageSize / HidPageSize;

bool upgradeRunning = false;

std::string PageLine(const char* prefix, std::uint32_t pageIndex, std::uint32_t pageCount) {
  return prefix + std::to_string(pageIndex + 1) + "/" + std::to_string(pageCount);
}

void StartProgress(TForm1& form, int pageCount) {
  form.ProgressBar1->SetPosition(0);
  form.ProgressBar1->SetRange(0, pageCount);
}

void StepProgress(TForm1& form) { form.ProgressBar1->SetPosition(form.ProgressBar1->Position() + 1); }

void EnableConnectionButtons(TForm1& form, bool enabled) {
  for (TButton* button : {form.Button1, form.Button2, form.Button3, form.Button4, form.Button5}) {
    button->SetEnabled(enabled);
  }
}

void LogStoppedByClose(const char* transfer, int pageIndex) {
  qCInfo(lcHid) << "configuration" << transfer << "stopped before page" << pageIndex + 1 << "of"
                << ConfigurationPageCount << "- the window was closed";
}

// Marks the upgrade as running for as long as it is in scope.
struct UpgradeRunningScope {
  UpgradeRunningScope() { upgradeRunning = true; }
  ~UpgradeRunningScope() { upgradeRunning = false; }
};

}  // namespace

void WriteConfigurationPages(TForm1& form) {
  StartProgress(form, ConfigurationPageCount);
  TWindowCloseWatch closeWatch(form);
  for (int p = 0; p < ConfigurationPageCount; ++p) {
    if (closeWatch.Closed()) {
      LogStoppedByClose("write", p);
      return;
    }
    if (!WriteConfigurationPage(form.ConfigurationImage + p * HidPageSize, static_cast<std::uint16_t>(p))) {
      form.Memo1->AddLine(PageLine(PageWriteErrorPrefix, p, ConfigurationPageCount));
      return;
    }
    form.Memo1->AddLine(PageLine(PageWrittenPrefix, p, ConfigurationPageCount));
    StepProgress(form);
  }
  form.Memo1->AddLine(EepromWriteSuccessLine);
  form.ProgressBar1->SetPosition(0);
}

void ReadConfigurationPages(TForm1& form) {
  StartProgress(form, ConfigurationPageCount);
  TWindowCloseWatch closeWatch(form);
  for (int p = 0; p < ConfigurationPageCount; ++p) {
    if (closeWatch.Closed()) {
      LogStoppedByClose("read", p);
      return;
    }
    if (!ReadConfigurationPage(ReceivedImage + p * HidPageSize, static_cast<std::uint16_t>(p))) {
      form.Memo1->AddLine(PageLine(PageReadErrorPrefix, p, ConfigurationPageCount));
      return;
    }
    form.Memo1->AddLine(PageLine(PageReadPrefix, p, ConfigurationPageCount));
    StepProgress(form);
  }
  form.ProgressBar1->SetPosition(0);
}

bool ReceivedImageValid() {
  return GetU32(ReceivedImage, Layout::Checksum) == ImageChecksum(ReceivedImage) && HasImageEndMarker(ReceivedImage);
}

void UpgradeFirmware(TForm1& form) {
  if (!OpenHidDevice(form)) return;
  const auto image = LoadFirmwareResource();
  if (!image) {
    CloseHidDevice();
    return;
  }
  TFirmwareBuffer& buffer = form.FirmwareBuffer;
  // The last page is padded with zeros, whatever an earlier image left.
  std::fill(std::copy(image->begin(), image->end(), buffer.Bytes), std::end(buffer.Bytes), 0);
  buffer.ByteCount = static_cast<std::uint32_t>(image->size());
  buffer.PageCount = static_cast<std::uint32_t>((image->size() + HidPageSize - 1) / HidPageSize);
  const std::uint32_t pageCount = buffer.PageCount;

  StartProgress(form, static_cast<int>(pageCount));
  const UpgradeRunningScope running;
  EnableConnectionButtons(form, false);
  for (std::uint32_t i = 0; i < pageCount; ++i) {
    Application->ProcessMessages();
    if (!WriteFirmwarePage(buffer.Bytes + i * HidPageSize, static_cast<std::uint16_t>(i))) {
      form.Memo1->AddLine(PageLine(PageWriteErrorPrefix, i, pageCount));
      EnableConnectionButtons(form, true);
      CloseHidDevice();
      return;
    }
    form.Memo1->AddLine(PageLine(PageWrittenPrefix, i, pageCount));
    StepProgress(form);
  }
  EnableConnectionButtons(form, true);
  form.Memo1->AddLine(FirmwareUpgradeSuccessLine);
  form.ProgressBar1->SetPosition(0);
  CloseHidDevice();
}

bool FirmwareUpgradeRunning() { return upgradeRunning; }
