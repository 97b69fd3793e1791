// The pixel rules of an edit box that need no drawing: where its text and scroll bars
// go, and how far the view scrolls to keep the caret in sight. Rectangles are in the
// box's own coordinates (0, 0 at its top-left corner).
#pragma once

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

struct EditAreas {
  Rect frame;          // inside the border and padding
  Rect text;           // where lines are laid out and drawn
  Rect verticalBar;    // empty when the box has none
  Rect horizontalBar;  // empty when the box has none
};

// The frame lies the style's padding inside the box. A single-line box centres one line (the
// font height and the style's line extra) vertically; a multi-line box gives its flagged
// scroll bars a scroll bar's thickness each at the right and bottom of the text.
EditAreas ComputeEditAreas(float width, float height, bool multiLine, int scrollFlags, float fontHeight,
                           const UiStyle& style);

// Scroll offsets: 0 or negative, the content moves up and left by their size.
struct ScrollOffsets {
  float x = 0;
  float y = 0;
};

// The caret's height: the line height, the style's caret drop more in a multi-line box.
float CaretHeight(float lineHeight, bool multiLine, const EditStyle& style);

// The offsets that bring `caret` (measured without scrolling) into `textArea`, changing
// them as little as possible; the caret's top keeps the style's caret rise inside.
ScrollOffsets ScrollToShow(const Rect& caret, const Rect& textArea, ScrollOffsets current, const EditStyle& style);

// The largest scroll distances (0 when everything fits).
ScrollOffsets ScrollLimits(float contentWidth, float contentHeight, const Rect& textArea);
// `offsets` within the limits.
ScrollOffsets ClampScroll(ScrollOffsets offsets, ScrollOffsets limits);

}  // namespace getlink
