#include "communication.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "configuration_codec.h"
#include "image_fields.h"
#include "link_senders.h"
#include "log_categories.h"
#include "read_port.h"
#include "transfer_log_lines.h"

TThreadPtr<TCommThread> CommThread;

namespace {

// A reply of a kind that has no running transfer answers an abandoned
// worker's transfer or an ended one: it changes nothing.
bool Running(const TLinkTransfer& transfer) { return transfer.Code != NoLinkRequest; }

// Takes no further reply of its kind until a new transfer of that kind starts.
void End(TLinkTransfer& transfer) { transfer = {}; }

void DropAck(std::uint8_t code, const char* transfer) {
  qCInfo(lcSerial, "acknowledgement 0x%02X dropped: no %s is running", code, transfer);
}

struct TTransferKind {
  std::uint8_t Code;
  const char* Name;
  const char* StoppedLine;
};

constexpr TTransferKind TransferKinds[] = {
    {FirmwareUploadRequest, "firmware upload", FirmwareUploadStoppedLine},
    {ConfigWriteRequest, "configuration write", EepromWriteStoppedLine},
    {ConfigReadRequest, "configuration read", EepromReadStoppedLine},
};

const TTransferKind& KindOf(const TLinkTransfer& transfer) {
  return *std::find_if(std::begin(TransferKinds), std::end(TransferKinds),
                       [&](const TTransferKind& kind) { return kind.Code == transfer.Code; });
}

// However the worker's loop ends, an exception from a hand-over included:
// no request is taken any more, and the port is closed.
void CloseAtEnd(TComHandle port) {
  CloseLinkRequests();
  CloseComPort(port);
  qCInfo(lcSerial, "worker ended; port closed");
}

}  // namespace

TCommThread::TCommThread(TForm1& form, TComHandle port) : form_(form), port_(port) { OpenLinkRequests(); }

void TCommThread::Execute() {
  const std::unique_ptr<TComPort, void (*)(TComHandle)> closer(port_, CloseAtEnd);
  while (!Terminated()) {
    NotePortReadable(ReadPort(port_, receiver_, ReceivedImage, *this));
    replyWatch_.Check();
    StartTransfer(TakeLinkRequest());
  }
  StopUnfinishedTransfers();
}

void TCommThread::StopUnfinishedTransfers() {
  const bool uploadRunning = Running(upload_);
  for (TLinkTransfer* transfer : {&upload_, &write_, &read_}) {
    if (!Running(*transfer)) continue;
    const TTransferKind& kind = KindOf(*transfer);
    qCInfo(lcSerial, "%s stopped by Close port at page %u", kind.Name, transfer->Counters.CurrentPage);
    LogLine(kind.StoppedLine);
    End(*transfer);
  }
  if (uploadRunning) ShowUploadProgress(0);
}

void TCommThread::NotePortReadable(bool readable) {
  if (readable == portReadable_) return;
  portReadable_ = readable;
  if (readable) {
    qCInfo(lcSerial, "the port reads again");
  } else {
    qCInfo(lcSerial, "the port no longer reads (device unplugged or line hung up); transfers stall until Close port");
    ReportPortLost();
  }
}

void TCommThread::ReportPortLost() {
  if (portLostReported_) return;
  portLostReported_ = true;
  LogLine(SerialPortLostLine);
}

void TCommThread::StartTransfer(TLinkTransfer request) {
  switch (request.Code) {
    case FirmwareUploadRequest:
      ResetReceiveRing(receiver_);
      upload_ = std::move(request);
      qCInfo(lcSerial, "firmware upload started: pages 0 to %u", upload_.Counters.LastPageIndex);
      if (SendUploadPage()) LogLine(PageLine(FirmwarePageSentLine, upload_.Counters.CurrentPage));
      break;
    case ConfigWriteRequest:
      ResetReceiveRing(receiver_);
      write_ = std::move(request);
      qCInfo(lcSerial, "configuration write started: pages 0 to %u", write_.Counters.LastPageIndex);
      if (SendWritePage()) LogLine(PageLine(EepromPageSentLine, write_.Counters.CurrentPage));
      break;
    case ConfigReadRequest:
      read_ = std::move(request);
      qCInfo(lcSerial, "configuration read started: pages 0 to %u", read_.Counters.LastPageIndex);
      if (SendReadRequest()) LogLine(PageLine(EepromReadRequestLine, read_.Counters.CurrentPage));
      break;
    default:
      break;
  }
}

bool TCommThread::SendUploadPage() {
  const std::uint32_t page = upload_.Counters.CurrentPage;
  if (!SendFirmwarePageHeader(port_, upload_.Pages, page) || !SendFirmwarePageData(port_, upload_.Pages, page)) {
    return EndUnsent(upload_);
  }
  replyWatch_.Sent("firmware page", page);
  return true;
}

bool TCommThread::SendWritePage() {
  const std::uint32_t page = write_.Counters.CurrentPage;
  if (!SendConfigPageHeader(port_, write_.Pages, page) || !SendConfigPageData(port_, write_.Pages, page)) {
    return EndUnsent(write_);
  }
  replyWatch_.Sent("configuration page", page);
  return true;
}

bool TCommThread::SendReadRequest() {
  if (!SendConfigReadRequest(port_, read_.Counters.CurrentPage)) return EndUnsent(read_);
  replyWatch_.Sent("configuration read request", read_.Counters.CurrentPage);
  return true;
}

bool TCommThread::EndUnsent(TLinkTransfer& transfer) {
  qCInfo(lcSerial, "%s ended: page %u could not be written", KindOf(transfer).Name, transfer.Counters.CurrentPage);
  End(transfer);
  ReportPortLost();
  return false;
}

void TCommThread::OnFirmwarePageAck() {
  if (!Running(upload_)) return DropAck(FirmwarePageAck, "firmware upload");
  replyWatch_.Answered();
  LogLine(PageReceiveAckLine);
  TPageCounters& counters = upload_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    if (!SendUploadPage()) return ShowUploadProgress(0);
    ShowUploadProgress(static_cast<int>(counters.CurrentPage));
    LogLine(PageLine(FirmwarePageSentLine, counters.CurrentPage));
  } else {
    End(upload_);
    qCInfo(lcSerial, "firmware upload finished");
    LogLine(SendFinishedLine);
    ShowUploadProgress(0);
  }
}

void TCommThread::OnConfigPageAck() {
  if (!Running(write_)) return DropAck(ConfigPageAck, "configuration write");
  replyWatch_.Answered();
  LogLine(PageReceiveAckLine);
  TPageCounters& counters = write_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    if (!SendWritePage()) return;
    SyncWithUi();
    LogLine(PageLine(EepromPageSentLine, counters.CurrentPage));
  } else {
    End(write_);
    qCInfo(lcSerial, "configuration write finished");
    LogLine(SendFinishedLine);
  }
}

bool TCommThread::TakesConfigPage(std::uint16_t page) {
  if (!Running(read_)) {
    qCInfo(lcSerial, "page %u dropped: no read is running", page);
    return false;
  }
  if (page == read_.Counters.CurrentPage) return true;
  qCInfo(lcSerial, "page %u dropped: the read awaits page %u", page, read_.Counters.CurrentPage);
  return false;
}

void TCommThread::OnConfigPageReceived() {
  replyWatch_.Answered();
  LogLine(EepromPageReceivedLine);
  TPageCounters& counters = read_.Counters;
  if (counters.CurrentPage < counters.LastPageIndex) {
    ++counters.CurrentPage;
    if (!SendReadRequest()) return;
    SyncWithUi();
    LogLine(PageLine(EepromReadRequestLine, counters.CurrentPage));
    return;
  }
  End(read_);
  LogLine(EepromReadFinishedLine);
  if (!ReceivedImageChecksumOk()) return;
  qCInfo(lcSerial, "configuration read finished; image checksum good, decoding");
  Synchronize([this] { ApplyReceivedConfiguration(&form_); });
}

bool TCommThread::ReceivedImageChecksumOk() {
  const std::uint32_t stored = GetU32(ReceivedImage, Layout::Checksum);
  const std::uint32_t sum = ImageChecksum(ReceivedImage);
  if (stored == sum) return true;
  qCInfo(lcSerial, "configuration read finished; image checksum 0x%08X differs from the sum 0x%08X", stored, sum);
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
