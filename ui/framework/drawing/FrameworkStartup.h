// Start-up of the UI framework and what it shares with every window and control.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

#include "runtime/Text.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

// The one window class of every framework window.
inline constexpr char kUiClassName[] = "Zt_LayerUI";

// Starts the framework, once, before any window exists, in this order: GDI+, the
// system's major version, the default font, the default cursor, the caption-button
// sprite, the window class (RegisterUiClass), and last `buildEditMenu`, which fills
// the edit boxes' shared context menu from kEditMenuEntries. GDI+ is never shut down.
// False, and nothing started, when GDI+ cannot start (then nothing can be drawn; a later
// call tries again). Calling it again after it succeeded does nothing.
bool FrameworkStartup(const std::function<void()>& buildEditMenu = {});

// What FrameworkStartup made; null or 0 before it has run.
GpFont* DefaultFont();
// The default font's family at `size` pixels (the style's font size at a window's DPI):
// the default font itself at its own size, else one made on first use and kept.
GpFont* DefaultFont(float size);
// The caption buttons' 1x sprite (windows draw the one nearest their scale).
GpImage* CaptionButtonImage();
int OsMajorVersion();
HCURSOR DefaultCursor();
HICON DefaultIcon();  // the program's icon, once RegisterUiClass has loaded it
// The program's icon at the size the system shows small (ICON_SMALL) or large (ICON_BIG)
// icons at `dpi`, made on first use and kept; null when the program carries none.
HICON ProgramIcon(WPARAM which, int dpi);

struct UiClassOptions {
  std::optional<Text> name;           // kUiClassName
  std::optional<UINT> style;          // CS_DBLCLKS
  std::optional<HICON> icon;          // the program's icon, resource 129
  std::optional<HCURSOR> cursor;      // DefaultCursor(), or the arrow before start-up
  std::optional<WNDPROC> procedure;   // default processing only; windows install their own
};

// Registers a (Unicode) window class for framework windows: background COLOR_BTNFACE,
// the program's module as instance. Returns the class atom, 0 on failure (also when
// the class exists already).
ATOM RegisterUiClass(const UiClassOptions& options = {});

// Commands of the edit boxes' context menu; the values are the WM_COMMAND ids it sends.
enum class EditCommand : int { None = 0, Undo = 90, Cut = 88, Copy = 67, Paste = 86, SelectAll = 65 };

struct EditMenuEntry {
  std::string_view caption;  // "&" marks the mnemonic; empty for the separator
  EditCommand command;
  bool IsSeparator() const { return caption.empty(); }
};

// The edit boxes' context menu, top to bottom.
inline constexpr EditMenuEntry kEditMenuEntries[] = {
    {"撤销(&U)", EditCommand::Undo},
    {"", EditCommand::None},
    {"剪切(&T)", EditCommand::Cut},
    {"复制(&C)", EditCommand::Copy},
    {"粘贴(&P)", EditCommand::Paste},
    {"", EditCommand::None},
    {"全部选择(&A)", EditCommand::SelectAll},
};

}  // namespace getlink
