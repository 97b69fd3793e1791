#include "ui/controls/EditGeometry.h"

#include <algorithm>
#include <cmath>

#include "ui/controls/EditDocument.h"

namespace getlink {
namespace {

constexpr float kPadding = 2;      // between the outline and the frame
constexpr float kLineExtra = 3;    // a single line is the font height plus this
constexpr float kBarThickness = 10;
// The caret stands this far above its line's top; the view keeps it that far inside.
constexpr float kCaretRise = 2;

bool Has(int flags, EditScrollFlags bar) { return (flags & static_cast<int>(bar)) != 0; }

}  // namespace

EditAreas ComputeEditAreas(float width, float height, bool multiLine, int scrollFlags, float fontHeight) {
  EditAreas areas;
  areas.frame = {kPadding, kPadding, width - 2 * kPadding, height - 2 * kPadding};
  if (!multiLine) {
    const float lineHeight = fontHeight + kLineExtra;
    areas.frame.top += std::round((areas.frame.height - lineHeight) / 2);
    areas.frame.height = lineHeight;
  }
  Rect& text = areas.text;
  text = areas.frame;
  text.top += 1;
  if (!multiLine) return areas;
  text.height -= 2;
  if (Has(scrollFlags, EditScrollFlags::Vertical)) {
    text.width -= kBarThickness;
    const float below = Has(scrollFlags, EditScrollFlags::Horizontal) ? kBarThickness : 0;
    areas.verticalBar = {text.Right(), text.top, kBarThickness, text.height - below};
  }
  if (Has(scrollFlags, EditScrollFlags::Horizontal)) {
    text.height -= kBarThickness;
    areas.horizontalBar = {text.left, text.Bottom(), text.width, kBarThickness};
  }
  return areas;
}

float CaretHeight(float lineHeight, bool multiLine) { return multiLine ? lineHeight + 1 : lineHeight; }

ScrollOffsets ScrollToShow(const Rect& caret, const Rect& textArea, ScrollOffsets current) {
  const float top = caret.top + current.y;
  const float bottom = caret.Bottom() + current.y;
  if (top < textArea.top - kCaretRise)
    current.y += textArea.top - kCaretRise - top;
  else if (bottom > textArea.Bottom() - kCaretRise)
    current.y -= bottom - (textArea.Bottom() - kCaretRise);
  const float left = caret.left + current.x;
  if (left + caret.width > textArea.Right())
    current.x -= left + caret.width - textArea.Right();
  else if (left < textArea.left)
    current.x += textArea.left - left;
  current.x = std::min(current.x, 0.f);
  current.y = std::min(current.y, 0.f);
  return current;
}

ScrollOffsets ScrollLimits(float contentWidth, float contentHeight, const Rect& textArea) {
  return {std::max(0.f, contentWidth - textArea.width), std::max(0.f, contentHeight - textArea.height)};
}

ScrollOffsets ClampScroll(ScrollOffsets offsets, ScrollOffsets limits) {
  return {std::clamp(offsets.x, -limits.x, 0.f), std::clamp(offsets.y, -limits.y, 0.f)};
}

}  // namespace getlink
