#include "runtime/Threads.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>

namespace getlink {
namespace {

TEST(StartThread, RunsTheRoutineOnAnotherThreadAndFreesIt) {
  const DWORD caller = GetCurrentThreadId();
  auto keepAlive = std::make_shared<int>(0);
  std::atomic<DWORD> ranOn{0};
  const UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  HANDLE doneEvent = done.get();
  ASSERT_TRUE(StartThread([keepAlive, &ranOn, doneEvent] {
    ranOn = GetCurrentThreadId();
    SetEvent(doneEvent);
  }));
  ASSERT_EQ(WaitForSingleObject(done.get(), 10000), WAIT_OBJECT_0);
  EXPECT_NE(ranOn.load(), 0u);
  EXPECT_NE(ranOn.load(), caller);
  // Nobody joins the thread, yet the routine and what it holds are freed once it ends.
  for (int i = 0; i < 500 && keepAlive.use_count() > 1; ++i) SleepMs(10);
  EXPECT_EQ(keepAlive.use_count(), 1);
}

TEST(StartThread, HandsOverAHandleThatWaitsForTheThread) {
  std::atomic<bool> finished{false};
  UniqueHandle thread;
  ASSERT_TRUE(StartThread(
      [&finished] {
        SleepMs(50);
        finished = true;
      },
      thread));
  ASSERT_NE(thread, nullptr);
  ASSERT_EQ(WaitForSingleObject(thread.get(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(finished);
}

TEST(SleepMs, NegativeCountsDoNotSleepForever) {
  const ULONGLONG start = GetTickCount64();
  SleepMs(-1);
  EXPECT_LT(GetTickCount64() - start, 5000u);
}

}  // namespace
}  // namespace getlink
