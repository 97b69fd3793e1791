#include "ui/controls/MenuGeometry.h"

#include <algorithm>

namespace getlink {

int MenuWidth(int setWidth, int widestCaption, const MenuCounts& counts, const MenuStyle& style) {
  const int width = setWidth != 0 ? std::max(setWidth, style.minimumWidth) : widestCaption + style.captionRoom;
  return counts.hasSubMenu ? width + style.subMenuArrowRoom : width;
}

int MenuHeight(const MenuCounts& counts, const MenuStyle& style) {
  return style.verticalRoom + style.itemHeight * counts.items + style.separatorHeight * counts.separators;
}

std::vector<Rect> MenuItemRects(int menuWidth, const std::vector<bool>& isSeparator, const MenuStyle& style) {
  std::vector<Rect> rects;
  auto top = static_cast<float>(style.firstItemTop);
  const auto width = static_cast<float>(menuWidth);
  const auto separatorLeft = static_cast<float>(style.separatorLeft);
  const auto separatorHeight = static_cast<float>(style.separatorHeight);
  const auto itemInset = static_cast<float>(style.itemInset);
  const auto itemHeight = static_cast<float>(style.itemHeight);
  for (const bool separator : isSeparator) {
    if (separator) {
      rects.push_back({separatorLeft, top, width - separatorLeft - static_cast<float>(style.separatorRightInset),
                       separatorHeight});
      top += separatorHeight;
    } else {
      rects.push_back({itemInset, top, width - 2 * itemInset, itemHeight});
      top += itemHeight;
    }
  }
  return rects;
}

MenuPlacement PlaceMenuAtPointer(int x, int y, int width, int height, const ScreenBox& workArea,
                                 const MenuStyle& style) {
  MenuPlacement placement{x, y, false};
  if (x + width - style.edgeOverlap > workArea.right) {
    placement.x = x - width;
    placement.opensLeft = true;
  }
  if (y + height > workArea.bottom) placement.y = y - height + style.edgeOverlap;
  return placement;
}

MenuPlacement PlaceSubMenu(const ScreenBox& parent, int itemTop, int itemHeight, int width, int height,
                           const ScreenBox& workArea, const MenuStyle& style) {
  MenuPlacement placement{parent.right - style.subMenuOverlap, parent.top + itemTop - style.subMenuRise, false};
  if (placement.x + width - style.edgeOverlap > workArea.right) {
    placement.x = parent.left - width + style.subMenuOverlap;
    placement.opensLeft = true;
  }
  if (placement.y + height > workArea.bottom)
    placement.y = parent.top + itemTop + itemHeight - height + style.subMenuRise;
  return placement;
}

}  // namespace getlink
