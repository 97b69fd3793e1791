#include "ui/controls/DropDownPlacement.h"

#include <algorithm>
#include <cmath>

namespace getlink {

int DropDownHeight(int itemCount, const UiStyle& style) {
  const ComboBoxStyle& combo = style.comboBox;
  if (itemCount <= 0) return combo.dropDownMaximumHeight;
  const float around = 2 * (combo.dropDownListInset + style.listBox.frame);
  return std::min(itemCount * combo.dropDownRowHeight + static_cast<int>(std::ceil(around)), combo.dropDownMaximumHeight);
}

RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea) {
  const LONG left = host.left + static_cast<LONG>(combo.left);
  LONG top = host.top + static_cast<LONG>(combo.Bottom());
  if (top + height > workArea.bottom) top = host.top + static_cast<LONG>(combo.top) - height;
  return {left, top, left + static_cast<LONG>(combo.width), top + height};
}

}  // namespace getlink
