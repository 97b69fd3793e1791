// What a pop-up window is to PopupHook (WindowFunctions.h): its kind and, for a pop-up that
// belongs to a chain (the windows of a menu and its sub-menus), the chain's first window.
// The pop-up's window object (UiWindow) holds it from the opening until the window is gone.
#pragma once

#include <windows.h>

namespace getlink {

enum class PopupKind : int { None = 0, Owned = 1, CloseOnDeactivate = 2, MessageBox = 3 };

struct PopupRole {
  PopupKind kind = PopupKind::None;
  // Owned pop-ups: the window that closes (and takes the chain with it) when the activation
  // moves to a window outside every chain.
  HWND chainHead = nullptr;
};

}  // namespace getlink
