#include "ui/controls/DropDownPlacement.h"

#include <algorithm>

namespace getlink {
namespace {

constexpr int kFrame = 6;  // the pop-up's 1-pixel frame and the room around the rows
constexpr int kMaximumHeight = 130;

}  // namespace

int DropDownHeight(int itemCount) {
  if (itemCount <= 0) return kMaximumHeight;
  return std::min(itemCount * kDropDownRowHeight + kFrame, kMaximumHeight);
}

RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea) {
  const LONG left = host.left + static_cast<LONG>(combo.left);
  LONG top = host.top + static_cast<LONG>(combo.Bottom());
  if (top + height > workArea.bottom) top = host.top + static_cast<LONG>(combo.top) - height;
  return {left, top, left + static_cast<LONG>(combo.width), top + height};
}

}  // namespace getlink
