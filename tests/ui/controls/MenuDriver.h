// Drives an open pop-up menu from inside its own message loop, as a user would: once the
// menu window exists, a thread timer runs the test's action on it. A menu still open
// after five seconds is closed, so a failing test cannot hang.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/controls/MenuGeometry.h"
#include "ui/controls/UiMenu.h"

namespace getlink::testing {

class MenuDriver {
 public:
  explicit MenuDriver(UiMenu& menu) : menu_(menu) {}
  ~MenuDriver() { Disarm(); }
  MenuDriver(const MenuDriver&) = delete;
  MenuDriver& operator=(const MenuDriver&) = delete;

  // What to do once the menu is open; it runs once, with the menu window.
  void OnOpen(std::function<void(HWND menu)> action) { action_ = std::move(action); }
  // Starts watching for the menu window (for a menu that something else opens).
  void Arm();
  // Arms and opens the menu; returns when it closed.
  void PopupAt(HWND owner, int x = 0, int y = 0);

  bool Opened() const { return opened_; }
  bool TimedOut() const { return timedOut_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  void OnTick();
  void Disarm();

  UiMenu& menu_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  DWORD deadline_ = 0;
  bool opened_ = false;
  bool timedOut_ = false;
};

// The work area of the desktop.
ScreenBox WorkArea();

// A click on item `index` (from 1) of the open menu window, with real mouse messages.
void ClickMenuItem(HWND menuWindow, const UiMenu& menu, int index);

// A key pressed in a window.
void PressKey(HWND window, WPARAM key);

}  // namespace getlink::testing
