// Where a combo box's drop-down list opens: its height for the number of items, and its
// place on the screen under the box, or over it when there is no room below.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// Items x the style's row height and the room around them, at most the maximum height
// (seven items or more scroll with the default style); the maximum for no items. The rows
// keep their height whatever the font: the rule is made for them. The room is what the
// pop-up's list leaves around its rows, the list's inset and its own frame on each side, as
// the style gives them at the window's scale: a frame scaled as one length of its own
// rounds differently (at 144 DPI it came out 1 pixel short, and six items scrolled).
int DropDownHeight(int itemCount, const UiStyle& style);

// The drop-down's screen rectangle for a combo at `combo` (client coordinates of its host
// window, whose window rectangle is `host`): as wide as the combo, just below it, or just
// above it when its bottom would pass the bottom of `workArea`.
RECT PlaceDropDown(const RECT& host, const Rect& combo, int height, const RECT& workArea);

}  // namespace getlink
