// The size of a pop-up menu, where its items go, and where it opens on the screen: at
// the pointer, flipped left or up at the edges of the work area, or beside the item of
// its parent menu that opens it. Pixels, by the menu section of a style; positions in
// screen coordinates.
#pragma once

#include <vector>

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

struct MenuCounts {
  int items = 0;       // items other than separators
  int separators = 0;
  bool hasSubMenu = false;
};

// `setWidth` 0 means as wide as the widest caption needs (its width and the caption room); a
// set width below the minimum counts as it; a sub-menu item needs room for its arrow.
int MenuWidth(int setWidth, int widestCaption, const MenuCounts& counts, const MenuStyle& style);
int MenuHeight(const MenuCounts& counts, const MenuStyle& style);

// The item controls' rectangles in the menu window, top to bottom from the first item's top.
std::vector<Rect> MenuItemRects(int menuWidth, const std::vector<bool>& isSeparator, const MenuStyle& style);

struct ScreenBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct MenuPlacement {
  int x = 0;
  int y = 0;
  bool opensLeft = false;
};

// A top-level menu at the pointer: left of it when it would pass the work area's right
// edge, above it when it would pass the bottom.
MenuPlacement PlaceMenuAtPointer(int x, int y, int width, int height, const ScreenBox& workArea,
                                 const MenuStyle& style);

// A sub-menu beside the item (`itemTop`, `itemHeight` within the parent menu window) that
// opens it: right of the parent, or left of it at the work area's right edge; moved up to
// end at the item when it would pass the bottom.
MenuPlacement PlaceSubMenu(const ScreenBox& parent, int itemTop, int itemHeight, int width, int height,
                           const ScreenBox& workArea, const MenuStyle& style);

}  // namespace getlink
