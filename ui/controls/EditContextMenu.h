// The one context menu every edit box shares: undo, a separator, cut, copy, paste, a
// separator and select all (kEditMenuEntries), as a Windows edit box's menu. Its items
// send WM_COMMAND with the letters Z, X, C, V and A as ids, which reach the focused edit
// box as commands.
#pragma once

#include "ui/controls/UiMenu.h"

namespace getlink {

// The shared menu; empty until BuildEditContextMenu has run.
UiMenu& EditContextMenu();

// Fills the shared menu with its items; FrameworkStartup runs it at start-up.
// Running it again rebuilds the same items.
void BuildEditContextMenu();

}  // namespace getlink
