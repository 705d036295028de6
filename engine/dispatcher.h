// How the engine's reports reach its host. The engine's workers never call a
// host handler directly: they hand the call to the dispatcher that the host
// supplied, which runs it on the host's main thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class TDispatcher {
 public:
  virtual ~TDispatcher() = default;

  // Runs fn on the main thread and returns once it has run. Called on the
  // main thread itself, runs fn at once.
  virtual void Send(std::function<void()> fn) = 0;

  // Queues fn for the main thread and returns at once. Calls posted from any
  // threads run one at a time, in the order they were posted.
  virtual void Post(std::function<void()> fn) = 0;

  // Main thread only: runs the Send calls that are waiting now. The engine
  // calls it while it blocks the main thread (a stop with waiting), so that a
  // worker waiting in Send can go on and end.
  virtual void Serve() = 0;

  virtual bool IsMainThread() const = 0;
};

// A dispatcher with its own queue, for hosts without an event loop of their
// own (the command-line front-end, tests): the thread that constructs it is
// the main thread, and it runs the queued calls in RunPending or WaitFor.
class TQueueDispatcher final : public TDispatcher {
 public:
  TQueueDispatcher();

  void Send(std::function<void()> fn) override;
  void Post(std::function<void()> fn) override;
  void Serve() override;
  bool IsMainThread() const override;

  // Main thread: runs every queued call (sent and posted); returns how many ran.
  int RunPending();

  // Main thread: runs queued calls until done() is true or the timeout passes;
  // returns done(). done is evaluated on the main thread, between calls.
  bool WaitFor(const std::function<bool()>& done, int timeoutMs);

 private:
  struct Item {
    std::function<void()> fn;
    bool sent = false;
    bool* ran = nullptr;  // set under the lock once a sent call has run
  };
  bool RunOne(bool sentOnly);

  std::thread::id main_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> items_;
};
