// One item of an open pop-up menu (UiMenu): a drawn control of type MenuItemList that
// shows a MenuItem - caption, picture or check mark, sub-menu arrow - hot while the
// pointer is on it, and chooses its command or opens its sub-menu.
//
// Sub-menus: the style's delay (500 ms) after the pointer came onto a sub-menu item (or at
// once on a click) the item opens its menu beside this one. The open menu the item belongs
// to (UiMenu) holds the sub-menu open beside it and the item that opened it; moving onto
// another item closes that sub-menu again.
//
// Keys: the item with the window's focus is the highlighted one when it got there from
// the keyboard (UiMenu moves it with the arrows); the pointer coming onto an item takes
// the focus there, so the keys go on from where the pointer was. Enter or Space on the
// focused item is the window's own activation, a click.
#pragma once

#include "ui/controls/MenuItem.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

class UiMenuItem : public UiControl {
 public:
  ~UiMenuItem() override { Destroy(); }

  // How captions are laid out: one line, "&" shown as an underline, an ellipsis when
  // too long. The menu measures its captions with it too.
  static TextFormat CaptionFormat();

  // An item of the open `menu`, in its window, at `rect` in the menu window's pixels.
  bool Create(HWND menuWindow, const Rect& rect, const MenuItem& item, UiMenu& menu);
  const MenuItem& Item() const { return item_; }
  // Where the caption is drawn: right of the picture column, left of a sub-menu's arrow.
  Rect CaptionArea() const;
  void SetItem(const MenuItem& item);
  bool Hot() const { return hot_; }
  // Drawn highlighted: focused by a key, under the pointer while no item is, or with its
  // sub-menu open.
  bool Highlighted() const;

  // Closes the sub-menu of another item that is open, or opens this item's sub-menu
  // when the pointer is on it (or at once with `immediate`).
  void OpenSub(bool immediate);

  AccessStates AccessibleState() override;
  Text DefaultActionName() const override;
  void DoDefaultAction() override { PressAsClick(); }

 protected:
  AccessRole DefaultAccessibleRole() const override {
    return item_.IsSeparator() ? AccessRole::Separator : AccessRole::MenuItem;
  }
  Text DefaultAccessibleName() const override;
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;
  int OnTimer(TimerPurpose timer) override;
  int OnClick() override;

 private:
  void PaintCaption(GpGraphics* g, bool hot);
  bool Checked() const { return item_.state == static_cast<int>(MenuItemState::Checked); }
  bool SubMenuOpen() const;
  void Choose();
  // The item's one timer: the delay before its sub-menu opens (or another closes).
  void StartSubMenuDelay(UINT milliseconds);
  void StopSubMenuDelay();

  UiMenu* menu_ = nullptr;  // the open menu this item belongs to; it outlives the item
  MenuItem item_;
  Image picture_;  // the item's own picture; none while checked
  TextFormat format_;
  bool hot_ = false;
};

}  // namespace getlink
