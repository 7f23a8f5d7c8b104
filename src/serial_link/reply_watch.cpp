#include "reply_watch.h"

#include "log_categories.h"

void TReplyWatch::Sent(const char* command, std::uint32_t page) {
  if (!lcSerial().isInfoEnabled()) return;
  command_ = command;
  page_ = page;
  sentAt_ = std::chrono::steady_clock::now();
}

void TReplyWatch::Answered() { command_ = nullptr; }

void TReplyWatch::Check() {
  if (!command_ || std::chrono::steady_clock::now() - sentAt_ <= NoAnswerWait) return;
  qCInfo(lcSerial, "no answer to the %s for page %u within %lld s; the transfer stalls", command_, page_,
         static_cast<long long>(NoAnswerWait.count()));
  command_ = nullptr;
}
