#include "ui/controls/EditGeometry.h"

#include <algorithm>
#include <cmath>

#include "ui/controls/EditDocument.h"

namespace getlink {
namespace {

bool Has(int flags, EditScrollFlags bar) { return (flags & static_cast<int>(bar)) != 0; }

}  // namespace

EditAreas ComputeEditAreas(float width, float height, bool multiLine, int scrollFlags, float fontHeight,
                           const UiStyle& style) {
  const float padding = style.edit.padding, bar = style.scrollBar.thickness;
  EditAreas areas;
  areas.frame = {padding, padding, width - 2 * padding, height - 2 * padding};
  if (!multiLine) {
    const float lineHeight = fontHeight + style.edit.lineExtra;
    areas.frame.top += std::round((areas.frame.height - lineHeight) / 2);
    areas.frame.height = lineHeight;
  }
  Rect& text = areas.text;
  text = areas.frame;
  text.top += style.edit.textTop;
  if (!multiLine) return areas;
  text.height -= 2 * style.edit.textTop;
  if (Has(scrollFlags, EditScrollFlags::Vertical)) {
    text.width -= bar;
    const float below = Has(scrollFlags, EditScrollFlags::Horizontal) ? bar : 0;
    areas.verticalBar = {text.Right(), text.top, bar, text.height - below};
  }
  if (Has(scrollFlags, EditScrollFlags::Horizontal)) {
    text.height -= bar;
    areas.horizontalBar = {text.left, text.Bottom(), text.width, bar};
  }
  return areas;
}

float CaretHeight(float lineHeight, bool multiLine, const EditStyle& style) {
  return multiLine ? lineHeight + style.caretDrop : lineHeight;
}

ScrollOffsets ScrollToShow(const Rect& caret, const Rect& textArea, ScrollOffsets current, const EditStyle& style) {
  const float rise = style.caretRise;
  const float top = caret.top + current.y;
  const float bottom = caret.Bottom() + current.y;
  if (top < textArea.top - rise)
    current.y += textArea.top - rise - top;
  else if (bottom > textArea.Bottom() - rise)
    current.y -= bottom - (textArea.Bottom() - rise);
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
