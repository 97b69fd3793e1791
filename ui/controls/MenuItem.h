// One entry of a pop-up menu, as the menu keeps it and its item control shows it.
#pragma once

#include <functional>
#include <optional>

#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {

class UiMenu;

enum class MenuItemKind : int { Command = 0, Separator = 1, SubMenu = 2 };

// Item states; any other value is a normal item too.
enum class MenuItemState : int { Disabled = -1, Normal = 0, Checked = 4 };

struct MenuItem {
  Text caption;         // "&" marks the mnemonic letter
  ByteSet image;        // drawn in the style's picture box at the item's left; any image GDI+ reads
  int state = static_cast<int>(MenuItemState::Normal);
  MenuItemKind kind = MenuItemKind::Command;
  // A command item sends WM_COMMAND with `commandId` to the window the menu was opened
  // for, or, without sendsCommand, calls `routine`.
  bool sendsCommand = true;
  int commandId = 0;
  std::function<void()> routine;
  UiMenu* subMenu = nullptr;  // what a sub-menu item opens
  std::optional<Argb> textColour;  // absent: the style's text colour
  // Passed to the caption's text drawing; no effect colour: chosen from the text colour.
  TextEffect textEffect = TextEffect::None;
  std::optional<Argb> effectColour;

  bool IsSeparator() const { return kind == MenuItemKind::Separator; }
  bool IsDisabled() const { return state == static_cast<int>(MenuItemState::Disabled); }
};

// An item that sends WM_COMMAND with `id`.
inline MenuItem CommandItem(Text caption, int id) {
  MenuItem item;
  item.caption = std::move(caption);
  item.commandId = id;
  return item;
}

inline MenuItem SeparatorItem() {
  MenuItem item;
  item.kind = MenuItemKind::Separator;
  return item;
}

// An item that opens `menu` beside its own.
inline MenuItem SubMenuItem(Text caption, UiMenu& menu) {
  MenuItem item;
  item.caption = std::move(caption);
  item.kind = MenuItemKind::SubMenu;
  item.subMenu = &menu;
  return item;
}

}  // namespace getlink
