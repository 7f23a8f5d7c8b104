// The worker thread class: body on its own thread, terminate request,
// hand-overs to the user-interface thread (served by the event loop or by
// WaitFor), exceptions carried back, and stopping at any moment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "scripted_dialogs.h"
#include "worker_thread.h"

namespace {

// A worker whose body is given by the test.
class TTestThread : public TThread {
 public:
  explicit TTestThread(std::function<void(TTestThread&)> body) : body_(std::move(body)) {}
  using TThread::Queue;
  using TThread::Synchronize;
  using TThread::Terminated;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(TTestThread&)> body_;
};

// Runs the event loop until done() holds.
void ProcessEventsUntil(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(WorkerThread, BodyRunsOnItsOwnThreadUntilTerminated) {
  std::atomic<int> passes{0};
  std::thread::id bodyThread;
  auto worker = CreateRunningThread<TTestThread>([&](TTestThread& self) {
    bodyThread = std::this_thread::get_id();
    while (!self.Terminated()) ++passes;
  });
  while (passes.load() < 10) std::this_thread::yield();
  EXPECT_FALSE(worker->Finished());
  worker->Terminate();
  worker->WaitFor();
  EXPECT_TRUE(worker->Finished());
  EXPECT_NE(bodyThread, std::this_thread::get_id());
  EXPECT_FALSE(worker->FatalException());
}

TEST(WorkerThread, StartsOnlyOnce) {
  auto worker = CreateRunningThread<TTestThread>([](TTestThread&) {});
  EXPECT_THROW(worker->Start(), std::logic_error);
}

TEST(WorkerThread, ExceptionLeavingTheBodyIsKept) {
  auto worker = CreateRunningThread<TTestThread>([](TTestThread&) { throw std::runtime_error("body failed"); });
  worker->WaitFor();
  ASSERT_TRUE(worker->FatalException());
  EXPECT_THROW(std::rethrow_exception(worker->FatalException()), std::runtime_error);
}

// How the user-interface thread serves a worker's hand-overs.
enum class TService { EventLoop, WaitFor };

void PrintTo(TService service, std::ostream* out) { *out << (service == TService::EventLoop ? "EventLoop" : "WaitFor"); }

class HandOver : public ::testing::TestWithParam<TService> {
 protected:
  // Runs the worker to its end, serving its hand-overs the chosen way.
  void RunToEnd(TTestThread& worker) {
    if (GetParam() == TService::EventLoop) ProcessEventsUntil([&] { return worker.Finished(); });
    worker.WaitFor();
  }
};

TEST_P(HandOver, RoutineRunsOnUiThreadWhileWorkerWaits) {
  const std::thread::id uiThread = std::this_thread::get_id();
  std::vector<std::thread::id> ranOn;
  std::vector<int> seenByWorker;
  int value = 0;
  auto worker = CreateRunningThread<TTestThread>([&](TTestThread& self) {
    for (int i = 1; i <= 50; ++i) {
      self.Synchronize([&] {
        ranOn.push_back(std::this_thread::get_id());
        value = i;
      });
      seenByWorker.push_back(value);
    }
  });
  RunToEnd(*worker);
  ASSERT_EQ(ranOn.size(), 50u);
  for (const auto& id : ranOn) EXPECT_EQ(id, uiThread);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(seenByWorker[i], i + 1);
}

TEST_P(HandOver, ExceptionInRoutineIsRaisedInWorker) {
  std::string caught;
  bool after = false;
  auto worker = CreateRunningThread<TTestThread>([&](TTestThread& self) {
    try {
      self.Synchronize([] { throw std::invalid_argument("bad value"); });
      after = true;
    } catch (const std::invalid_argument& e) {
      caught = e.what();
    }
  });
  RunToEnd(*worker);
  EXPECT_EQ(caught, "bad value");
  EXPECT_FALSE(after);
  EXPECT_FALSE(worker->FatalException());
}

TEST_P(HandOver, QueuedAndSynchronousRoutinesRunInOrderPosted) {
  std::vector<int> order;
  auto worker = CreateRunningThread<TTestThread>([&](TTestThread& self) {
    for (int i = 0; i < 300; i += 3) {
      self.Queue([&order, i] { order.push_back(i); });
      self.Queue([&order, i] { order.push_back(i + 1); });
      self.Synchronize([&order, i] { order.push_back(i + 2); });
    }
    self.Queue([&order] { order.push_back(300); });
  });
  RunToEnd(*worker);
  // Posted before the body ended: served by the time WaitFor returns.
  ASSERT_EQ(order.size(), 301u);
  for (int i = 0; i <= 300; ++i) EXPECT_EQ(order[i], i);
}

INSTANTIATE_TEST_SUITE_P(Service, HandOver, ::testing::Values(TService::EventLoop, TService::WaitFor),
                         [](const auto& info) {
                           return std::string(info.param == TService::EventLoop ? "EventLoop" : "WaitFor");
                         });

TEST(HandOverOnUiThread, RunsDirectly) {
  int runs = 0;
  TThreadMethod routine = [&] { ++runs; };
  SynchronizeWithUi(routine);
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(SynchronizeWithUi([] { throw std::runtime_error("direct"); }), std::runtime_error);
}

TEST(HandOverOnUiThread, QueuedExceptionGoesToErrorBox) {
  ScriptedDialogs dialogs;
  auto worker = CreateRunningThread<TTestThread>(
      [](TTestThread& self) { self.Queue([] { throw std::runtime_error("Line lost"); }); });
  worker->WaitFor();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].Kind, TMessageBoxKind::Error);
  EXPECT_EQ(dialogs.boxes[0].Text, "Line lost.");
}

// The program's end: the event loop no longer runs and the worker sits in
// a hand-over; freeing it must neither deadlock nor leave it running.
TEST(WorkerThreadStop, FreeingWhileWorkerWaitsInHandOver) {
  std::atomic<int> served{0};
  auto worker = CreateRunningThread<TTestThread>([&](TTestThread& self) {
    while (!self.Terminated()) self.Synchronize([&] { ++served; });
  });
  while (served.load() == 0) CheckSynchronize();
  worker.reset();
  EXPECT_GT(served.load(), 0);
}

TEST(WorkerThreadStop, ManyWorkersServedTogether) {
  std::atomic<int> total{0};
  int onUi = 0;
  std::vector<TThreadPtr<TTestThread>> workers;
  for (int w = 0; w < 4; ++w) {
    workers.push_back(CreateRunningThread<TTestThread>([&](TTestThread& self) {
      for (int i = 0; i < 200; ++i) {
        self.Synchronize([&] { ++onUi; });
        ++total;
      }
    }));
  }
  for (auto& worker : workers) worker->WaitFor();
  EXPECT_EQ(total.load(), 800);
  EXPECT_EQ(onUi, 800);
}

}  // namespace
