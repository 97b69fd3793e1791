// Where a combo box's drop-down list opens: its height for the number of items, and its
// place on the screen under the box, or over it when there is no room below.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// Items x the style's row height + its frame, at most its maximum height (seven items or
// more scroll with the default style); the maximum for no items. The rows keep their
// height whatever the font: the rule is made for them.
int DropDownHeight(int itemCount, const ComboBoxStyle& style);

// The drop-down's screen rectangle for a combo at `combo` (client coordinates of its host
// window, whose window rectangle is `host`): as wide as the combo, just below it, or just
// above it when its bottom would pass the bottom of `workArea`.
RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea);

}  // namespace getlink
