#include "worker_thread.h"

#include <stdexcept>

TThread::~TThread() {
  Terminate();
  WaitFor();
}

void TThread::Start() {
  if (started_) throw std::logic_error("A worker thread starts only once");
  started_ = true;
  thread_ = std::thread([this] { Run(); });
}

void TThread::WaitFor() {
  if (!thread_.joinable()) return;
  if (IsUiThread()) ServeHandOversUntil([this] { return Finished(); });
  thread_.join();
}

void TThread::Run() {
  try {
    Execute();
  } catch (...) {
    fatal_ = std::current_exception();
  }
  finished_.store(true, std::memory_order_release);
  WakeUiThread();
}
