#pragma once
// The serial worker: reads the port, parses the device's replies and moves
// each transfer on by one page per good reply; starts the transfer a
// connection button posted.
#include <string_view>

#include "Unit1.h"
#include "com_port.h"
#include "link_request.h"
#include "receive_parser.h"
#include "reply_watch.h"
#include "worker_thread.h"

class TCommThread : public TThread, private TReceiveEvents {
 public:
  // The worker owns the port from here on and closes it when its loop ends;
  // it takes requests until then, or until "Close port".
  TCommThread(TForm1& form, TComHandle port);

 protected:
  void Execute() override;

 private:
  void StartTransfer(TLinkTransfer request);
  // After "Close port": says which transfers had not reached their end line.
  void StopUnfinishedTransfers();
  // Logs when the port stops or starts reading again.
  void NotePortReadable(bool readable);
  // Says in the log box, once for this worker, that the port is lost.
  void ReportPortLost();
  // Each sends the transfer's current page or request; false, and the
  // transfer ended, when the port does not take it.
  bool SendUploadPage();
  bool SendWritePage();
  bool SendReadRequest();
  bool EndUnsent(TLinkTransfer& transfer);

  void OnFirmwarePageAck() override;
  void OnConfigPageAck() override;
  // Takes only the page the running read asked for last.
  bool TakesConfigPage(std::uint16_t page) override;
  void OnConfigPageReceived() override;
  // Hands the line to the user-interface thread, which appends it to Memo1.
  void LogLine(std::string_view line) override;

  bool ReceivedImageChecksumOk();
  // Waits until the user-interface thread has run an empty routine.
  static void SyncWithUi();
  // The upload's hand-over: ProgressBar1 shows position.
  void ShowUploadProgress(int position);

  TForm1& form_;
  const TComHandle port_;
  // Starts empty, in frame search: nothing received before the open
  // survives it.
  TLinkReceiver receiver_;
  // The running transfer of each kind; each moves on by its own replies.
  // None before this worker takes a request of that kind, nor once the
  // transfer has ended.
  TLinkTransfer upload_;
  TLinkTransfer write_;
  TLinkTransfer read_;
  TReplyWatch replyWatch_;
  bool portReadable_ = true;
  bool portLostReported_ = false;
};

// The worker of the last successful "Open port"; none before the first.
extern TThreadPtr<TCommThread> CommThread;
