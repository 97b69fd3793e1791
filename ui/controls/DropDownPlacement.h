// Where a combo box's drop-down list opens: its height for the number of items, and its
// place on the screen under the box, or over it when there is no room below.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// Rows of the drop-down list, whatever the font: the height rule below is made for them.
constexpr int kDropDownRowHeight = 19;

// Items x 19 + 6 pixels, at most 130 (seven items or more scroll); 130 for no items.
int DropDownHeight(int itemCount);

// The drop-down's screen rectangle for a combo at `combo` (client coordinates of its host
// window, whose window rectangle is `host`): as wide as the combo, just below it, or just
// above it when its bottom would pass the bottom of `workArea`.
RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea);

}  // namespace getlink
