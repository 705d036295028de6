#include "engine/dispatcher.h"

#include <algorithm>
#include <chrono>

TQueueDispatcher::TQueueDispatcher() : main_(std::this_thread::get_id()) {}

bool TQueueDispatcher::IsMainThread() const { return std::this_thread::get_id() == main_; }

void TQueueDispatcher::Send(std::function<void()> fn) {
  if (IsMainThread()) {
    fn();
    return;
  }
  bool ran = false;
  std::unique_lock lock(mutex_);
  items_.push_back(Item{std::move(fn), true, &ran});
  changed_.notify_all();
  changed_.wait(lock, [&] { return ran; });
}

void TQueueDispatcher::Post(std::function<void()> fn) {
  std::lock_guard lock(mutex_);
  items_.push_back(Item{std::move(fn), false, nullptr});
  changed_.notify_all();
}

bool TQueueDispatcher::RunOne(bool sentOnly) {
  Item item;
  {
    std::lock_guard lock(mutex_);
    auto it = items_.begin();
    if (sentOnly)
      while (it != items_.end() && !it->sent) ++it;
    if (it == items_.end()) return false;
    item = std::move(*it);
    items_.erase(it);
  }
  item.fn();
  if (item.ran) {
    std::lock_guard lock(mutex_);
    *item.ran = true;
    changed_.notify_all();
  }
  return true;
}

void TQueueDispatcher::Serve() {
  while (RunOne(true)) {
  }
}

int TQueueDispatcher::RunPending() {
  int n = 0;
  while (RunOne(false)) ++n;
  return n;
}

bool TQueueDispatcher::WaitFor(const std::function<bool()>& done, int timeoutMs) {
  using namespace std::chrono;
  const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
  for (;;) {
    RunPending();
    if (done()) return true;
    const auto now = steady_clock::now();
    if (now >= deadline) return false;
    // done() may turn true without a call arriving, so look again soon.
    std::unique_lock lock(mutex_);
    changed_.wait_until(lock, std::min(deadline, now + milliseconds(5)),
                        [&] { return !items_.empty(); });
  }
}
