// Input to pop-ups for the tests that drive them (tests/support/PopupDriver.h): clicks and
// keys as a user gives them, keys held down, and where a menu's window is.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>

#include "tests/support/PopupDriver.h"
#include "ui/controls/MenuGeometry.h"
#include "ui/controls/UiMenu.h"

namespace getlink::testing {

// The menu's window once it is open and active.
PopupDriver::Finder MenuWindowOf(const UiMenu& menu);

// Calls `open`, which shows the framework pop-up titled `title` (a message box, a drop-down
// list) and returns when it is gone; `action` runs on the pop-up meanwhile. False when no
// such pop-up appeared, so the action never ran; a pop-up that stayed open after it fails
// the test.
bool DrivePopup(const wchar_t* title, const std::function<void()>& open, PopupDriver::Action action);

// The work area of the desktop.
ScreenBox WorkArea();

// A click of the left button at a client point of `window`, with the move before it.
void ClickAt(HWND window, int x, int y);

// A click on item `index` (from 1) of the open menu window, with real mouse messages.
void ClickMenuItem(HWND menuWindow, const UiMenu& menu, int index);

// A key pressed in a window.
void PressKey(HWND window, WPARAM key);

// Keys held down in the thread's keyboard state for the scope (what GetKeyState reads).
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    for (const int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

// Moves the real pointer to the screen's far corner: a window that appears under the
// pointer gets a mouse move from the system, and a list that selects what is under the
// pointer would act on it.
void ParkPointer();

}  // namespace getlink::testing
