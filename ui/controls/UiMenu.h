// The framework's pop-up menu: a list of items kept in an ordinary object and shown on
// demand in a borderless top-level window of its own, one drawn item control per item
// (UiMenuItem). A chosen command sends WM_COMMAND to the window the menu was opened for,
// or calls a routine; a sub-menu item opens another UiMenu beside the menu.
//
// Opening runs a local message loop that returns when the menu window is gone: after a
// command, on Esc, or when the activation moves to a window outside the menu's chain
// (PopupHook). The window exists only while the menu is open, and so does the state of the
// chain, which the open menus hold: the menu a sub-menu was opened from, the sub-menu open
// beside a menu and the item that opened it (by its address, so that an item destroyed
// since is never taken for it), and the owner's control a top-level menu is about.
//
// Keys in an open menu: an item's underlined letter chooses it (no Alt needed); Up/Down
// move the highlight round the items that can be chosen and Home/End to the first or
// last; Enter or Space chooses the highlighted item; Right opens its sub-menu and Left closes a
// sub-menu; Esc closes the menu.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/controls/MenuItem.h"
#include "ui/framework/drawing/UiStyle.h"
#include "ui/framework/window/ControlAddress.h"

namespace getlink {

class UiMenuItem;

class UiMenu {
 public:
  UiMenu() = default;
  UiMenu(const UiMenu&) = delete;
  UiMenu& operator=(const UiMenu&) = delete;
  ~UiMenu();

  // Opens the menu for `owner` at (x, y) on the screen, or at the pointer when both are
  // 0 (then flipped left or up at the edges of the work area); returns when it closed.
  void PopupAt(HWND owner, int x = 0, int y = 0);
  // Opens the menu for `owner` as at the pointer, but at `point` on the screen (a menu
  // opened by a key goes where the caret is); returns when it closed.
  void PopupNear(HWND owner, POINT point);
  // Opens the menu beside the item of the open menu `parentMenu` that opens it (that menu's
  // Opener); returns when it closed.
  void PopupSub(UiMenu& parentMenu);

  void AddItem(MenuItem item);
  // False for an index out of range. Indices count from 1.
  bool RemoveItem(int index);
  void ClearItems() { items_.clear(); }
  bool IsValidIndex(int index) const { return index >= 1 && index <= ItemCount(); }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // The accessors do nothing (and answer 0 or empty) for an index out of range.
  int ItemState(int index) const;
  void SetItemState(int index, int state);
  Text ItemCaption(int index) const;
  void SetItemCaption(int index, Text caption);
  ByteSet ItemImage(int index) const;
  void SetItemImage(int index, ByteSet image);

  // In 96-DPI units (opened at the owner's scale). 0: as wide as the widest caption
  // needs; 1..49 counts as 50. Sub-menus always measure.
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }

  // The menu window while the menu is open, else null.
  HWND Hwnd() const { return hwnd_; }

  // --- the chain, while the menu is open (for its items) ---
  // The item of this menu whose sub-menu is open, while that life of it lasts; else null.
  UiMenuItem* Opener() const;
  // The window of the sub-menu open beside this menu, or null.
  HWND SubMenuWindow() const;
  // `item` is opening its sub-menu.
  void SetOpener(const UiMenuItem& item);
  // Forgets the sub-menu and its opener (the sub-menu is closing).
  void ForgetSubMenu();
  // The top-level menu of the chain this menu is open in (itself when it is top-level).
  const UiMenu& ChainHead() const { return parent_ != nullptr ? parent_->ChainHead() : *this; }
  // Top-level: the handle of the owner's control the menu is about, which its commands carry.
  std::uintptr_t AboutControl() const { return aboutControl_; }

 private:
  int MeasuredWidth(bool useSetWidth, const UiStyle& style) const;
  // `parent` is the menu a sub-menu opens from (null for a top-level menu).
  void Open(HWND owner, UiMenu* parent, int x, int y, int width, int height, bool opensLeft);
  MenuItem* ItemAt(int index);
  const MenuItem* ItemAt(int index) const;

  std::vector<MenuItem> items_;
  int width_ = 0;
  HWND hwnd_ = nullptr;
  UiMenu* parent_ = nullptr;
  UiMenu* subMenu_ = nullptr;
  ControlAddress opener_;
  std::uintptr_t aboutControl_ = 0;
};

}  // namespace getlink
