// Creating framework windows, their message loops, and the message hook of pop-ups.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "runtime/Text.h"

namespace getlink {

struct CreateWindowOptions {
  std::optional<int> left, top;  // absent: centred in DesktopWorkArea()
  int width = 380;
  int height = 250;
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
// with the program's icons. Null when the system refuses.
HWND CreateUiWindow(HWND parent, std::string_view title, const CreateWindowOptions& options = {});

// The thread's message loop; returns the exit code of WM_QUIT.
int RunMessageLoop();

// Runs messages while `hwnd` exists. Keyboard and mouse input meant for other windows is
// dropped. A WM_QUIT ends the loop and stays queued for the loop outside.
void ModalLoop(HWND hwnd);

// The loop of a pop-up (drop-down list, menu): like ModalLoop, but every message is
// dispatched, so a click elsewhere reaches its window (and closes the pop-up).
void PopupLoop(HWND hwnd);

// Kinds of pop-up windows, stored in their "Zt_Wnd_Flags" property.
enum class PopupKind : int { None = 0, Owned = 1, CloseOnDeactivate = 2, MessageBox = 3 };

// Window properties of pop-ups.
inline constexpr wchar_t kPopupFlagsProperty[] = L"Zt_Wnd_Flags";
inline constexpr wchar_t kPopupHostProperty[] = L"Zt_LayerUI_Host";    // the top-level menu of a chain
inline constexpr wchar_t kPopupSubProperty[] = L"Zt_LayerUI_Sub";      // the sub-menu window open
inline constexpr wchar_t kPopupActProperty[] = L"Zt_LayerUI_Act";      // the item whose sub-menu is open
inline constexpr wchar_t kPopupEventProperty[] = L"Zt_LayerUI_Event";  // the owner's control under the mouse
inline constexpr wchar_t kPopupMessageBoxProperty[] = L"Zt_LayerUI_MsgBox";

// The message hook shared by pop-ups (drop-down list, menu, message box): closes them
// when they lose activation and on Escape, and removes their properties when they are
// destroyed. Always answers -1: the window's own handling goes on.
int PopupHook(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace getlink
