#include "communication.h"

#include <memory>
#include <string>
#include <utility>

#include "configuration_codec.h"
#include "image_fields.h"
#include "link_senders.h"
#include "read_port.h"
#include "transfer_log_lines.h"

TThreadPtr<TCommThread> CommThread;

namespace {

// A reply of a kind this worker has started no transfer of answers an
// abandoned worker's transfer: it changes nothing.
bool Started(const TLinkTransfer& transfer) { return transfer.Code != NoLinkRequest; }

}  // namespace

TCommThread::TCommThread(TForm1& form, TComHandle port) : form_(form), port_(port) {}

void TCommThread::Execute() {
  // Closed however the loop ends, an exception from a hand-over included.
  const std::unique_ptr<TComPort, void (*)(TComHandle)> closer(port_, CloseComPort);
  while (!Terminated()) {
    ReadPort(port_, LinkReceiver, ReceivedImage, *this);
    StartTransfer(TakeLinkRequest());
  }
}

void TCommThread::StartTransfer(TLinkTransfer request) {
  switch (request.Code) {
    case FirmwareUploadRequest:
      ResetReceiveRing(LinkReceiver);
      upload_ = std::move(request);
      SendUploadPage();
      LogLine(PageLine(FirmwarePageSentLine, upload_.Counters.CurrentPage));
      break;
    case ConfigWriteRequest:
      ResetReceiveRing(LinkReceiver);
      write_ = std::move(request);
      SendWritePage();
      LogLine(PageLine(EepromPageSentLine, write_.Counters.CurrentPage));
      break;
    case ConfigReadRequest:
      read_ = std::move(request);
      SendReadRequest();
      LogLine(PageLine(EepromReadRequestLine, read_.Counters.CurrentPage));
      break;
    default:
      break;
  }
}

void TCommThread::SendUploadPage() {
  const std::uint32_t page = upload_.Counters.CurrentPage;
  SendFirmwarePageHeader(port_, upload_.Pages, page);
  SendFirmwarePageData(port_, upload_.Pages, page);
}

void TCommThread::SendWritePage() {
  const std::uint32_t page = write_.Counters.CurrentPage;
  SendConfigPageHeader(port_, write_.Pages, page);
  SendConfigPageData(port_, write_.Pages, page);
}

void TCommThread::SendReadRequest() { SendConfigReadRequest(port_, read_.Counters.CurrentPage); }

void TCommThread::OnFirmwarePageAck() {
  if (!Started(upload_)) return;
  LogLine(PageReceiveAckLine);
  TPageCounters& counters = upload_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    SendUploadPage();
    ShowUploadProgress(static_cast<int>(counters.CurrentPage));
    LogLine(PageLine(FirmwarePageSentLine, counters.CurrentPage));
  } else {
    LogLine(SendFinishedLine);
    ShowUploadProgress(0);
  }
}

void TCommThread::OnConfigPageAck() {
  if (!Started(write_)) return;
  LogLine(PageReceiveAckLine);
  TPageCounters& counters = write_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    SendWritePage();
    SyncWithUi();
    LogLine(PageLine(EepromPageSentLine, counters.CurrentPage));
  } else {
    LogLine(SendFinishedLine);
  }
}

void TCommThread::OnConfigPageReceived() {
  if (!Started(read_)) return;
  LogLine(EepromPageReceivedLine);
  TPageCounters& counters = read_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    SendReadRequest();
    SyncWithUi();
    LogLine(PageLine(EepromReadRequestLine, counters.CurrentPage));
    return;
  }
  LogLine(EepromReadFinishedLine);
  if (ReceivedImageChecksumOk()) Synchronize([this] { ApplyReceivedConfiguration(&form_); });
}

bool TCommThread::ReceivedImageChecksumOk() {
  if (GetU32(ReceivedImage, Layout::Checksum) == ImageChecksum(ReceivedImage)) return true;
  LogLine(EepromReadChecksumErrorLine);
  return false;
}

void TCommThread::LogLine(std::string_view line) {
  Queue([memo = form_.Memo1, text = std::string(line)] { memo->AddLine(text); });
}

void TCommThread::SyncWithUi() {
  Synchronize([] {});
}

void TCommThread::ShowUploadProgress(int position) {
  Synchronize([this, position] { form_.ProgressBar1->SetPosition(position); });
}
