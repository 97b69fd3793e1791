// Drives a pop-up that runs a message loop of its own (a message box, a drop-down list)
// the way a user would, from inside that loop: a timer of the test's thread, which the
// pop-up's loop dispatches, waits for the pop-up's window to be on the screen and then
// acts on it once. A pop-up still open 5 s after the action is closed and the test fails.
#pragma once

#include <windows.h>

#include <functional>

namespace getlink::testing {

class PopupDriver {
 public:
  using Action = std::function<void(HWND popup)>;

  // Calls `open`, which shows the pop-up (a framework window titled `title`) and returns
  // when it is gone; `action` runs on the pop-up meanwhile. False when no such pop-up
  // appeared, so the action never ran.
  bool Run(const wchar_t* title, const std::function<void()>& open, Action action);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  static PopupDriver* current_;
  const wchar_t* title_ = nullptr;
  Action action_;
  HWND popup_ = nullptr;
  DWORD actedAt_ = 0;
};

// A click of the left button at a client point of `window`, with the move before it.
void ClickAt(HWND window, int x, int y);

// Moves the real pointer to the screen's far corner: a window that appears under the
// pointer gets a mouse move from the system, and a list that selects what is under the
// pointer would act on it.
void ParkPointer();

}  // namespace getlink::testing
