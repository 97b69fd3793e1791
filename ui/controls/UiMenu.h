// The framework's pop-up menu: a list of items kept in an ordinary object and shown on
// demand in a borderless top-level window of its own, one drawn item control per item
// (UiMenuItem). A chosen command sends WM_COMMAND to the window the menu was opened for,
// or calls a routine; a sub-menu item opens another UiMenu beside the menu.
//
// Opening runs a local message loop that returns when the menu window is gone: after a
// command, on Esc, or when the activation moves to a window outside the menu's chain
// (PopupHook). The window exists only while the menu is open.
//
// Keys in an open menu: an item's underlined letter chooses it (no Alt needed); Up/Down
// move the highlight round the items that can be chosen and Home/End to the first or
// last; Enter or Space chooses the highlighted item; Right opens its sub-menu and Left closes a
// sub-menu; Esc closes the menu.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/controls/MenuItem.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

class UiMenu {
 public:
  UiMenu() = default;
  UiMenu(const UiMenu&) = delete;
  UiMenu& operator=(const UiMenu&) = delete;
  ~UiMenu();

  // Opens the menu for `owner` at (x, y) on the screen, or at the pointer when both are
  // 0 (then flipped left or up at the edges of the work area); returns when it closed.
  void PopupAt(HWND owner, int x = 0, int y = 0);
  // Opens the menu beside the item of the menu window `parentMenu` whose sub-menu it is;
  // returns when it closed.
  void PopupSub(HWND parentMenu);

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

  // 0: as wide as the widest caption needs; 1..49 counts as 50. Sub-menus always measure.
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }

  // The menu window while the menu is open, else null.
  HWND Hwnd() const { return hwnd_; }

 private:
  int MeasuredWidth(bool useSetWidth, const MenuStyle& style) const;
  void Open(HWND parent, int x, int y, int width, int height, bool sub, bool opensLeft);
  MenuItem* ItemAt(int index);
  const MenuItem* ItemAt(int index) const;

  std::vector<MenuItem> items_;
  int width_ = 0;
  HWND hwnd_ = nullptr;
};

}  // namespace getlink
