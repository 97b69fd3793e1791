// Reaching a control from another thread through its address, and the framework messages
// that carry events: resolved on the window's thread, never trusted blindly.
#include <gtest/gtest.h>

#include <any>
#include <atomic>
#include <thread>

#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/window/EventMailbox.h"

namespace getlink::testing {
namespace {

// An event of the test's own: the control writes its thread id into the caller's buffer.
constexpr auto kAskThread = static_cast<EventCode>(10300);

class ControlAddressTest : public WindowTest {
 protected:
  static void AnswerThreadQuestions(RecordingControl& control) {
    control.onEvent = [](const ControlEvent& e) {
      if (DWORD* const* answer = e.Data<DWORD*>(); e.code == kAskThread && answer != nullptr)
        **answer = GetCurrentThreadId();
    };
  }
};

TEST_F(ControlAddressTest, AWorkerTalksToOneLifeOfAControlWhileTheWindowThreadEndsIt) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  AnswerThreadQuestions(control);
  const ControlAddress address = control.Address();

  std::atomic<bool> stop{false};
  std::atomic<int> delivered{0}, refused{0}, posted{0};
  std::atomic<DWORD> answeringThread{0};
  std::thread worker([&] {
    while (!stop) {
      DWORD thread = 0;
      if (SendControlEvent(address, {kAskThread, std::any(&thread)}) == kNotHandled && thread == 0) {
        ++refused;
      } else {
        answeringThread = thread;
        ++delivered;
      }
      posted += PostControlEvent(address, EventCode::EvMouseEnter) ? 1 : 0;
    }
  });
  const auto waitFor = [&](const std::function<bool()>& condition) { return PumpUntil(condition, 10000); };

  ASSERT_TRUE(waitFor([&] { return delivered > 5; }));
  EXPECT_EQ(answeringThread, GetCurrentThreadId());
  control.Destroy();
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));  // same object, another life
  AnswerThreadQuestions(control);
  control.Clear();
  const int deliveredBefore = delivered;
  const int refusedBefore = refused;
  ASSERT_TRUE(waitFor([&] { return refused > refusedBefore + 5; }));
  EXPECT_LE(delivered - deliveredBefore, 1);  // at most the one answered before the life ended
  EXPECT_EQ(control.Count(kAskThread) + control.Count(EventCode::EvMouseEnter), 0);

  DestroyWindow(hwnd());  // the worker goes on sending and posting to a window that is gone
  const int postedBefore = posted;
  const int refusedAfterWindow = refused;
  ASSERT_TRUE(waitFor([&] { return refused > refusedAfterWindow + 5; }));
  stop = true;
  worker.join();
  EXPECT_LE(posted - postedBefore, 1);  // at most the one that raced the window's end
  EXPECT_EQ(EventMailbox::Instance().PostedCount(), 0u);
}

TEST_F(ControlAddressTest, OnTheWindowsOwnThreadEventsAreCallsThatNeverTouchTheMailbox) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Pump();
  control.Clear();
  hooked.clear();
  const std::size_t letters = EventMailbox::Instance().LettersSoFar();

  control.queryPressAnswer = 7;
  EXPECT_EQ(control.SendEvent(EventCode::EvQueryPress), 7);  // the answer comes straight back
  EXPECT_FALSE(control.IsFocused());
  window().SetFocusControl(&control, false);
  EXPECT_TRUE(control.IsFocused());
  control.PostEvent(EventCode::EvMouseEnter);
  EXPECT_EQ(control.Count(EventCode::EvMouseEnter), 0);  // not before the current message ends
  control.SetDisabled(true);  // posts the focus's loss and the pointer's leaving
  Pump();
  EXPECT_EQ(control.Codes(), (std::vector<EventCode>{EventCode::EvQueryPress, EventCode::EvFocusGained,
                                                     EventCode::EvMouseEnter, EventCode::EvFocusLost,
                                                     EventCode::EvMouseLeave}));
  EXPECT_EQ(EventMailbox::Instance().LettersSoFar(), letters);
  EXPECT_EQ(HookedCount(ToMessage(FrameworkMessage::WmControlEvent)), 0);
}

TEST_F(ControlAddressTest, EventMessagesNameNothingBeyondWhatTheFrameworkQueued) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Pump();
  control.Clear();
  // Messages of the framework's numbers with values that are no events of this window: a
  // forged one, or one of another window.
  const WPARAM handle = static_cast<WPARAM>(control.Handle());
  for (const LPARAM junk : {LPARAM{0}, LPARAM{0x10}, reinterpret_cast<LPARAM>(&control)}) {
    EXPECT_EQ(SendMessageW(hwnd(), ToMessage(FrameworkMessage::WmControlEvent), handle, junk), kNotHandled);
    PostMessageW(hwnd(), ToMessage(FrameworkMessage::WmControlEvent), handle, junk);
    PostMessageW(hwnd(), ToMessage(FrameworkMessage::WmInvalidate), 1, junk);
  }
  Pump();
  EXPECT_TRUE(control.Codes().empty());

  // Events still queued when the window goes are freed with it, those posted through the
  // address (as another thread does) and those posted on the window's thread, which wait in
  // the window; a plain window takes none.
  for (int i = 0; i < 3; ++i) {
    PostControlEvent(control.Address(), EventCode::EvMouseEnter);
    control.PostEvent(EventCode::EvMouseEnter);
  }
  EXPECT_EQ(EventMailbox::Instance().PostedCount(), 3u);
  EXPECT_EQ(window().PostedCount(), 3u);
  EXPECT_FALSE(PostControlEvent({GetDesktopWindow(), 1, 1}, EventCode::EvMouseEnter));
  DestroyWindow(hwnd());
  EXPECT_EQ(EventMailbox::Instance().PostedCount(), 0u);
  EXPECT_EQ(window().PostedCount(), 0u);
}

}  // namespace
}  // namespace getlink::testing
