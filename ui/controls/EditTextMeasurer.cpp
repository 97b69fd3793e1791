#include "ui/controls/EditTextMeasurer.h"

#include <algorithm>

#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

Rect LayoutRect(const LayoutBounds& bounds) { return {0, 0, bounds.width, bounds.height}; }

bool IsEmpty(const Rect& box) { return box.width <= 0 || box.height <= 0; }

}  // namespace

LineSize EditTextMeasurer::MeasureLine(std::string_view displayText, const LayoutBounds& bounds) {
  const Rect box = MeasureText(graphics_, displayText, font_, LayoutRect(bounds), format_);
  return {box.width, box.height};
}

std::vector<Rect> EditTextMeasurer::CharacterBoxes(std::string_view displayText, int first, int count,
                                                   const LayoutBounds& bounds) const {
  return MeasureCharacters(graphics_, displayText, font_, format_, LayoutRect(bounds), first, count);
}

Rect EditTextMeasurer::CharacterBox(std::string_view displayText, int index, const LayoutBounds& bounds) const {
  const std::vector<Rect> boxes = CharacterBoxes(displayText, index, 1, bounds);
  return boxes.empty() ? Rect{} : boxes.front();
}

int EditTextMeasurer::ColumnAt(std::string_view displayText, int columns, float x, float y, float lineHeight,
                               const LayoutBounds& bounds) const {
  y = std::clamp(y, 0.f, std::max(0.f, lineHeight - 1));
  // Characters run in reading order, row by row: find the first one that lies after the
  // point (on a lower row, or on the point's row with its middle right of x).
  int low = 0, high = columns;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    const Rect box = CharacterBox(displayText, middle, bounds);
    const bool after = !IsEmpty(box) && (box.top > y || (box.Bottom() > y && x < box.left + box.width / 2));
    if (after)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

EditTextMeasurer::CaretPlace EditTextMeasurer::CaretAt(std::string_view displayText, int columns, int column,
                                                       float charWidth, const LayoutBounds& bounds) const {
  if (column <= 0 || columns == 0) {
    const Rect first = CharacterBox(displayText, 0, bounds);
    return {first.left, first.top};
  }
  const int before = std::min(column, columns) - 1;
  const Rect box = CharacterBox(displayText, before, bounds);
  if (bounds.width > 0 && column < columns) {
    // Where a line wraps, the caret stands at the start of the lower row.
    const Rect next = CharacterBox(displayText, column, bounds);
    if (!IsEmpty(next) && next.top > box.top) return {next.left, next.top};
  }
  if (!IsEmpty(box)) return {box.Right(), box.top};
  // A character that measures empty: measured again with a space after it.
  const Text padded = Text(displayText) + " ";
  const Rect retry = CharacterBox(padded, before, bounds);
  return {std::max(0.f, retry.Right() - charWidth / 2), retry.top};
}

}  // namespace getlink
