#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "engine/dispatcher.h"

TEST(QueueDispatcher, SendFromAWorkerRunsOnTheMainThreadAndWaits) {
  TQueueDispatcher d;
  const auto main = std::this_thread::get_id();
  std::thread::id ranOn;
  std::atomic<bool> returned{false};
  std::thread worker([&] {
    d.Send([&] { ranOn = std::this_thread::get_id(); });
    returned = true;
  });
  EXPECT_TRUE(d.WaitFor([&] { return returned.load(); }, 5000));
  worker.join();
  EXPECT_EQ(ranOn, main);
}

TEST(QueueDispatcher, PostedCallsRunInOrderAndServeRunsOnlySentOnes) {
  TQueueDispatcher d;
  std::vector<int> order;
  d.Post([&] { order.push_back(1); });
  d.Post([&] { order.push_back(2); });
  std::atomic<bool> sent{false};
  std::thread worker([&] {
    d.Send([&] { order.push_back(3); });
    sent = true;
  });
  while (!sent) d.Serve();
  worker.join();
  EXPECT_EQ(order, (std::vector<int>{3}));
  d.RunPending();
  EXPECT_EQ(order, (std::vector<int>{3, 1, 2}));
}

TEST(QueueDispatcher, SendOnTheMainThreadRunsAtOnce) {
  TQueueDispatcher d;
  int n = 0;
  d.Send([&] { ++n; });
  EXPECT_EQ(n, 1);
  EXPECT_FALSE(d.WaitFor([] { return false; }, 10));
}
