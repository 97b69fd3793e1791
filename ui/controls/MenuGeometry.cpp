#include "ui/controls/MenuGeometry.h"

#include <algorithm>

namespace getlink {
namespace {

constexpr int kCaptionRoom = 50;       // the picture column and the margins
constexpr int kSubMenuArrowRoom = 15;
constexpr int kVerticalRoom = 16;      // above the first item and below the last
constexpr int kFirstItemTop = 8;
constexpr int kItemInset = 8;
constexpr int kSeparatorLeft = 33;     // separators start past the picture column
constexpr int kSeparatorRightInset = 7;
// A menu may reach this far past the edge before it flips.
constexpr int kEdgeOverlap = 5;
// A sub-menu overlaps its parent by this much, and lines up this far above the item.
constexpr int kSubMenuOverlap = 10;
constexpr int kSubMenuRise = 7;

}  // namespace

int MenuWidth(int setWidth, int widestCaption, const MenuCounts& counts) {
  const int width = setWidth != 0 ? std::max(setWidth, kMenuMinimumWidth) : widestCaption + kCaptionRoom;
  return counts.hasSubMenu ? width + kSubMenuArrowRoom : width;
}

int MenuHeight(const MenuCounts& counts) {
  return kVerticalRoom + kMenuItemHeight * counts.items + kMenuSeparatorHeight * counts.separators;
}

std::vector<Rect> MenuItemRects(int menuWidth, const std::vector<bool>& isSeparator) {
  std::vector<Rect> rects;
  float top = kFirstItemTop;
  const auto width = static_cast<float>(menuWidth);
  for (const bool separator : isSeparator) {
    if (separator) {
      rects.push_back({kSeparatorLeft, top, width - kSeparatorLeft - kSeparatorRightInset, kMenuSeparatorHeight});
      top += kMenuSeparatorHeight;
    } else {
      rects.push_back({kItemInset, top, width - 2 * kItemInset, kMenuItemHeight});
      top += kMenuItemHeight;
    }
  }
  return rects;
}

MenuPlacement PlaceMenuAtPointer(int x, int y, int width, int height, const ScreenBox& workArea) {
  MenuPlacement placement{x, y, false};
  if (x + width - kEdgeOverlap > workArea.right) {
    placement.x = x - width;
    placement.opensLeft = true;
  }
  if (y + height > workArea.bottom) placement.y = y - height + kEdgeOverlap;
  return placement;
}

MenuPlacement PlaceSubMenu(const ScreenBox& parent, int itemTop, int itemHeight, int width, int height,
                           const ScreenBox& workArea) {
  MenuPlacement placement{parent.right - kSubMenuOverlap, parent.top + itemTop - kSubMenuRise, false};
  if (placement.x + width - kEdgeOverlap > workArea.right) {
    placement.x = parent.left - width + kSubMenuOverlap;
    placement.opensLeft = true;
  }
  if (placement.y + height > workArea.bottom) placement.y = parent.top + itemTop + itemHeight - height + kSubMenuRise;
  return placement;
}

}  // namespace getlink
