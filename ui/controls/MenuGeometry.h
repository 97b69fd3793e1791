// The size of a pop-up menu, where its items go, and where it opens on the screen: at
// the pointer, flipped left or up at the edges of the work area, or beside the item of
// its parent menu that opens it. Pixels; positions in screen coordinates.
#pragma once

#include <vector>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

constexpr int kMenuItemHeight = 22;
constexpr int kMenuSeparatorHeight = 3;
// The narrowest menu; a set width below it counts as it.
constexpr int kMenuMinimumWidth = 50;

struct MenuCounts {
  int items = 0;       // items other than separators
  int separators = 0;
  bool hasSubMenu = false;
};

// `setWidth` 0 means as wide as the widest caption needs (its width + 50); a sub-menu
// item needs 15 more for its arrow.
int MenuWidth(int setWidth, int widestCaption, const MenuCounts& counts);
int MenuHeight(const MenuCounts& counts);

// The item controls' rectangles in the menu window, top to bottom from y = 8.
std::vector<Rect> MenuItemRects(int menuWidth, const std::vector<bool>& isSeparator);

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
MenuPlacement PlaceMenuAtPointer(int x, int y, int width, int height, const ScreenBox& workArea);

// A sub-menu beside the item (`itemTop`, `itemHeight` within the parent menu window) that
// opens it: right of the parent, or left of it at the work area's right edge; moved up to
// end at the item when it would pass the bottom.
MenuPlacement PlaceSubMenu(const ScreenBox& parent, int itemTop, int itemHeight, int width, int height,
                           const ScreenBox& workArea);

}  // namespace getlink
