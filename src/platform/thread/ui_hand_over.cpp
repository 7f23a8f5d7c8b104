#include "ui_hand_over.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "control.h"

namespace {

// Static initialisation runs on the thread that then runs main.
const std::thread::id uiThread = std::this_thread::get_id();

// A routine handed over: either one a worker waits for (it lives on the
// worker's stack) or one posted without waiting (the queue owns it).
struct THandOver {
  const TThreadMethod* Waited = nullptr;
  TThreadMethod Posted;
  bool Done = false;
  std::exception_ptr Error;
};

std::mutex handOverMutex;
std::condition_variable handOverChanged;
std::deque<THandOver*> pending;
bool wakePosted = false;

void RunHandOver(THandOver* handOver) {
  if (!handOver->Waited) {
    const std::unique_ptr<THandOver> owned(handOver);
    DispatchEvent(owned->Posted);
    return;
  }
  std::exception_ptr error;
  try {
    (*handOver->Waited)();
  } catch (...) {
    error = std::current_exception();
  }
  // The worker may return as soon as Done is seen: nothing touches the
  // hand-over after this block, and the exception is the worker's alone.
  std::lock_guard<std::mutex> lock(handOverMutex);
  handOver->Error = std::move(error);
  handOver->Done = true;
  handOverChanged.notify_all();
}

// Runs everything pending, in order; the lock is held on entry and exit.
void ServePending(std::unique_lock<std::mutex>& lock) {
  while (!pending.empty()) {
    THandOver* handOver = pending.front();
    pending.pop_front();
    lock.unlock();
    RunHandOver(handOver);
    lock.lock();
  }
}

// Wakes a waiting user-interface thread and asks the event loop to serve
// the queue, once until it has.
void AnnounceHandOver() {
  handOverChanged.notify_all();
  if (wakePosted) return;
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return;
  wakePosted = true;
  QMetaObject::invokeMethod(application, [] {
    std::unique_lock<std::mutex> lock(handOverMutex);
    wakePosted = false;
    ServePending(lock);
  }, Qt::QueuedConnection);
}

}  // namespace

bool IsUiThread() { return std::this_thread::get_id() == uiThread; }

void SynchronizeWithUi(const TThreadMethod& method) {
  if (IsUiThread()) {
    method();
    return;
  }
  THandOver handOver;
  handOver.Waited = &method;
  std::unique_lock<std::mutex> lock(handOverMutex);
  pending.push_back(&handOver);
  AnnounceHandOver();
  handOverChanged.wait(lock, [&] { return handOver.Done; });
  if (handOver.Error) std::rethrow_exception(handOver.Error);
}

void QueueToUi(TThreadMethod method) {
  auto handOver = std::make_unique<THandOver>();
  handOver->Posted = std::move(method);
  std::lock_guard<std::mutex> lock(handOverMutex);
  pending.push_back(handOver.get());
  handOver.release();
  AnnounceHandOver();
}

void CheckSynchronize() {
  if (!IsUiThread()) return;
  std::unique_lock<std::mutex> lock(handOverMutex);
  ServePending(lock);
}

void ServeHandOversUntil(const std::function<bool()>& done) {
  std::unique_lock<std::mutex> lock(handOverMutex);
  for (;;) {
    ServePending(lock);
    if (done()) return;
    handOverChanged.wait(lock);
  }
}

void WakeUiThread() {
  std::lock_guard<std::mutex> lock(handOverMutex);
  handOverChanged.notify_all();
}
