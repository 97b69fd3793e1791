// Drives a pop-up that runs a message loop of its own (a menu, a drop-down list, a message
// box, the system's message box) the way a user would, from inside that loop: each step
// looks for the pop-up's window and, once it is on the screen, runs the test's action on it
// once. A pop-up still open five seconds after the action is closed (TimedOut), so a
// failing test cannot hang.
//
// Steps run on a timer of the calling thread, which the pop-up's loop dispatches (Arm, Run),
// or, for a pop-up that any thread of the process may show, on a thread that only watches
// (Watch).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace getlink::testing {

class PopupDriver {
 public:
  // The pop-up's window once it is on the screen, else null.
  using Finder = std::function<HWND()>;
  using Action = std::function<void(HWND popup)>;

  explicit PopupDriver(Finder find, Action action = {}) : find_(std::move(find)), action_(std::move(action)) {}
  ~PopupDriver() { Disarm(); }
  PopupDriver(const PopupDriver&) = delete;
  PopupDriver& operator=(const PopupDriver&) = delete;

  // What to do once the pop-up is open; it runs once, with the pop-up's window.
  void OnOpen(Action action) { action_ = std::move(action); }
  // Starts the steps on a timer of this thread (for a pop-up that something else opens).
  void Arm();
  void Disarm();
  // Arms, calls `open` (which shows the pop-up and returns when it is gone) and disarms.
  // Answers Opened().
  bool Run(const std::function<void()>& open);
  // Steps from the calling thread until the action has run; false when no pop-up appeared
  // within `ms` milliseconds.
  bool Watch(int ms);

  bool Opened() const { return opened_; }
  bool TimedOut() const { return timedOut_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  void Step();

  Finder find_;
  Action action_;
  UINT_PTR timer_ = 0;
  HWND popup_ = nullptr;
  DWORD actedAt_ = 0;
  bool opened_ = false;
  bool timedOut_ = false;
};

// A framework window ("Zt_LayerUI") with this title, once it is visible and active.
PopupDriver::Finder FrameworkWindowTitled(const wchar_t* title);
// The window `window` answers, once it is visible and active.
PopupDriver::Finder ActiveWindow(std::function<HWND()> window);
// A visible system message box ("#32770") with this title.
PopupDriver::Finder SystemMessageBoxTitled(std::wstring title);

}  // namespace getlink::testing
