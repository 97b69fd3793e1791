// Creating framework windows, their message loops, and the message hook of pop-ups.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "runtime/Text.h"
#include "ui/framework/window/PopupRole.h"

namespace getlink {

struct CreateWindowOptions {
  std::optional<int> left, top;  // screen pixels; absent: centred in DesktopWorkArea()
  // The size in 96-DPI units, made pixels at the DPI the window is laid out at
  // (FrameworkWindowDpi); in pixels when sizeInPixels, for a pop-up sized from its owner's
  // style, which is at that DPI already.
  int width = 380;
  int height = 250;
  bool sizeInPixels = false;
  std::optional<Text> className;  // "Zt_LayerUI"
  std::optional<DWORD> style;     // WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX
  DWORD exStyle = 0;
  bool show = false;     // show it (SW_SHOWNORMAL) at once
  bool runLoop = false;  // run ModalLoop on it before returning
};

// The desktop's work area (the screen without the task bar); the whole primary screen
// when the system does not say.
RECT DesktopWorkArea();

// Creates a top-level window of the framework's class (registered by FrameworkStartup)
// with the program's icons, sized for the DPI it is laid out at. Null when the system
// refuses.
HWND CreateUiWindow(HWND parent, std::string_view title, const CreateWindowOptions& options = {});

// The one DPI a framework window is sized and laid out at: a window owned by a framework
// window opens at the DPI its owner is laid out at (after a move to a monitor of another
// DPI that is the one the move told, which a system without GetDpiForWindow cannot tell
// of the new window), any other at its own DPI (WindowDpi), which is not the system's
// after the display's scale was changed without signing out.
int FrameworkWindowDpi(HWND hwnd);

// Gives the window its small and large icons: the program's icon drawn for `dpi` (the
// window's) when its class shows the program's icon, else the icons it has or its
// class's. Again when its DPI changes.
void SetWindowIcons(HWND hwnd, int dpi);

// The thread's message loop; returns the exit code of WM_QUIT.
int RunMessageLoop();

// Makes `hwnd` the thread's modal window while the scope lasts (nested scopes each in
// turn): the thread's other windows take no input meanwhile (WindowTakesInput). A modal
// pop-up opens one as soon as its window exists, before its opening effect pumps messages.
class ModalScope {
 public:
  explicit ModalScope(HWND hwnd);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  HWND outer_;
};

// Runs messages while `hwnd` exists, in a ModalScope of it. Keyboard and mouse input meant
// for other windows (any but `hwnd`, its children and the windows it owns) is dropped. A
// WM_QUIT ends the loop and stays queued for the loop outside.
void ModalLoop(HWND hwnd);

// Whether `msg` is keyboard or mouse input.
bool IsInputMessage(UINT msg);

// Whether input meant for `hwnd` reaches it now: not while the window is disabled, nor
// while a ModalScope of its thread is open for another window (a message box over it).
// A framework window drops such input in whatever loop pumps it, and what a user cannot
// do with the mouse or the keys then, an accessibility client cannot do either
// (UiControl::TakesInput).
bool WindowTakesInput(HWND hwnd);

// The loop of a pop-up (drop-down list, menu): like ModalLoop, but every message is
// dispatched, so a click elsewhere reaches its window (and closes the pop-up).
void PopupLoop(HWND hwnd);

// The message hook shared by pop-ups (drop-down list, menu, message box), acting on the
// role their window object holds (UiWindow::Popup): on losing the activation a pop-up that
// closes on deactivation closes, and an owned one closes its chain unless the activation
// went to a window of a chain; Escape closes the pop-up it is pressed in; an owned pop-up
// hands keys on as WM_SYSKEYDOWN, so that mnemonics work without Alt. Always answers -1:
// the window's own handling goes on.
int PopupHook(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace getlink
