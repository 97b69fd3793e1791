#include "runtime/MessagePump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "runtime/WinHandles.h"

namespace getlink {
namespace {

constexpr UINT kProbeMessage = WM_APP + 1;
std::vector<WPARAM> gReceived;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbeMessage) {
    gReceived.push_back(wParam);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class MessagePumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PumpProbe";
    RegisterClassW(&wc);
    window_.reset(CreateWindowExW(0, L"PumpProbe", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, wc.hInstance,
                                  nullptr));
    ASSERT_NE(window_, nullptr);
    gReceived.clear();
    DrainQueue();
  }
  void TearDown() override {
    window_.reset();
    DrainQueue();
  }

  static void DrainQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
  }

  UniqueWindow window_;
};

TEST_F(MessagePumpTest, DispatchesEverythingWaitingAndReturnsZero) {
  PostMessageW(window_.get(), kProbeMessage, 1, 0);
  PostMessageW(window_.get(), kProbeMessage, 2, 0);
  EXPECT_EQ(PumpMessages(), 0);
  EXPECT_EQ(gReceived, (std::vector<WPARAM>{1, 2}));
  EXPECT_EQ(PumpMessages(), 0);  // an empty queue: returns at once
}

TEST_F(MessagePumpTest, LeavesAWaitingQuitForTheMessageLoop) {
  PostMessageW(window_.get(), kProbeMessage, 1, 0);
  PostQuitMessage(42);
  EXPECT_NE(PumpMessages(), 0);
  EXPECT_EQ(gReceived, (std::vector<WPARAM>{1}));
  EXPECT_NE(PumpMessages(), 0);  // still there, still not taken

  MSG msg;
  ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(MessagePumpTest, ReturnsWhileAnotherThreadKeepsPosting) {
  std::atomic<bool> pumped{false};
  std::atomic<bool> posting{true};
  std::atomic<int> posted{0};
  std::thread poster([&] {
    // Posts without pause until the pump returned, or gives up after ten seconds.
    for (const DWORD start = GetTickCount(); !pumped && GetTickCount() - start < 10000; ++posted)
      PostMessageW(window_.get(), kProbeMessage, 0, 0);
    posting = false;
  });
  while (posted < 100 && posting) Sleep(1);
  PumpMessages();
  const bool returnedWhilePosting = posting;
  pumped = true;
  poster.join();
  EXPECT_TRUE(returnedWhilePosting);
  EXPECT_FALSE(gReceived.empty());
}

}  // namespace
}  // namespace getlink
