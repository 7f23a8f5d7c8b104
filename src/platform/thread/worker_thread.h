#pragma once
// The worker thread class: a thread body run on a thread of its own, a
// terminate request the body tests, and hand-overs to the user-interface
// thread.
#include <atomic>
#include <exception>
#include <memory>
#include <thread>
#include <utility>

#include "ui_hand_over.h"

class TThread {
 public:
  TThread() = default;
  // Stops a worker still running (terminate request, WaitFor). A derived
  // class whose body uses its own members is stopped through TThreadPtr,
  // before those members go.
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Runs Execute on a thread of its own. A worker starts once.
  void Start();
  // Asks the body to end; it sees the request in Terminated().
  void Terminate() { terminated_.store(true, std::memory_order_release); }
  // Waits until the body has ended. On the user-interface thread the
  // hand-overs of every worker are served meanwhile, so a worker waiting
  // in Synchronize cannot block it.
  void WaitFor();
  bool Finished() const { return finished_.load(std::memory_order_acquire); }
  // The exception that ended the body; empty when it returned. Valid once
  // Finished().
  std::exception_ptr FatalException() const { return Finished() ? fatal_ : nullptr; }

 protected:
  // The thread body.
  virtual void Execute() = 0;
  bool Terminated() const { return terminated_.load(std::memory_order_acquire); }
  // Runs method on the user-interface thread and blocks until it has run
  // there; an exception it raises is raised again in the body.
  static void Synchronize(const TThreadMethod& method) { SynchronizeWithUi(method); }
  // Posts method to the user-interface thread without waiting, in order
  // with the body's other hand-overs.
  static void Queue(TThreadMethod method) { QueueToUi(std::move(method)); }

 private:
  void Run();

  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  bool started_ = false;
  std::exception_ptr fatal_;
  std::thread thread_;
};

// Frees a worker only after it has stopped.
struct TThreadStopper {
  void operator()(TThread* thread) const {
    thread->Terminate();
    thread->WaitFor();
    delete thread;
  }
};

template <class T>
using TThreadPtr = std::unique_ptr<T, TThreadStopper>;

// Creates a worker running.
template <class T, class... Args>
TThreadPtr<T> CreateRunningThread(Args&&... args) {
  TThreadPtr<T> thread(new T(std::forward<Args>(args)...));
  thread->Start();
  return thread;
}
