#include "ui/controls/DropDownPlacement.h"

#include <algorithm>

namespace getlink {

int DropDownHeight(int itemCount, const ComboBoxStyle& style) {
  if (itemCount <= 0) return style.dropDownMaximumHeight;
  return std::min(itemCount * style.dropDownRowHeight + style.dropDownFrame, style.dropDownMaximumHeight);
}

RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea) {
  const LONG left = host.left + static_cast<LONG>(combo.left);
  LONG top = host.top + static_cast<LONG>(combo.Bottom());
  if (top + height > workArea.bottom) top = host.top + static_cast<LONG>(combo.top) - height;
  return {left, top, left + static_cast<LONG>(combo.width), top + height};
}

}  // namespace getlink
