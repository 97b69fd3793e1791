// The one context menu every edit box shares: undo, a separator, cut, copy, paste, a
// separator and select all (kEditMenuEntries), as a Windows edit box's menu. Its items
// send WM_COMMAND with the letters Z, X, C, V and A as ids, which reach the focused edit
// box as commands. A box may add items of its own below them (EditMenuExtra), for the
// time its menu is open.
#pragma once

#include <functional>
#include <vector>

#include "ui/controls/UiMenu.h"

namespace getlink {

// An item one box adds to the shared menu, below a separator.
struct EditMenuExtra {
  Text caption;  // "&" marks the mnemonic
  bool available = true;
  std::function<void()> choose;  // runs on the window's thread when the item is chosen
};

// The shared menu; empty until BuildEditContextMenu has run.
UiMenu& EditContextMenu();

// Fills the shared menu with its items; FrameworkStartup runs it at start-up.
// Running it again rebuilds the same items.
void BuildEditContextMenu();

// Opens the shared menu for `owner` at `point` on the screen (the pointer's, or the caret's
// for a key), with `extras` below its own items, and returns when it closed; the menu then
// holds its own items alone again.
void PopupEditContextMenu(HWND owner, POINT point, const std::vector<EditMenuExtra>& extras);

}  // namespace getlink
