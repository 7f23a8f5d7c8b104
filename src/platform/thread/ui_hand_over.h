#pragma once
// Hand-over of routines from worker threads to the user-interface thread:
// one queue, served in order by the event loop, by CheckSynchronize and by
// ServeHandOversUntil.
#include <functional>

using TThreadMethod = std::function<void()>;

// True on the thread that runs the program's main function.
bool IsUiThread();

// Runs method on the user-interface thread and waits until it has run
// there; an exception it raises is raised again here. Runs it directly when
// called on that thread.
void SynchronizeWithUi(const TThreadMethod& method);

// Posts method to the user-interface thread without waiting; it runs in
// order with every other hand-over. An exception it raises is shown in the
// application's error box.
void QueueToUi(TThreadMethod method);

// On the user-interface thread: runs the hand-overs posted so far.
void CheckSynchronize();

// On the user-interface thread only: serves hand-overs until done() holds and
// nothing is left to serve. done() is tested again after WakeUiThread.
void ServeHandOversUntil(const std::function<bool()>& done);

// Makes ServeHandOversUntil test its condition again.
void WakeUiThread();
