#include "ui/controls/EditTextMeasurer.h"

#include <algorithm>

#include "runtime/Codec.h"
#include "ui/controls/EditCharacters.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

Rect LayoutRect(const LayoutBounds& bounds) { return {0, 0, bounds.width, bounds.height}; }

bool IsEmpty(const Rect& box) { return box.width <= 0 || box.height <= 0; }

}  // namespace

std::vector<float> EditTextMeasurer::Edges(std::string_view displayText) const {
  const std::wstring wide = ToWide(displayText);
  std::vector<float> edges;
  edges.reserve(wide.size() + 1);
  float x = advances_->LeadingSpace(graphics_, font_, format_);
  for (const wchar_t c : wide) {
    edges.push_back(x);
    x += advances_->Advance(graphics_, font_, format_, c);
  }
  edges.push_back(x);
  return edges;
}

LineSize EditTextMeasurer::MeasureLine(std::string_view displayText, const LayoutBounds& bounds) {
  if (Unwrapped(bounds)) {
    float width = 0;
    for (const wchar_t c : ToWide(displayText)) width += advances_->Advance(graphics_, font_, format_, c);
    return {width + advances_->Padding(graphics_, font_, format_), advances_->RowHeight(graphics_, font_, format_)};
  }
  const Rect box = MeasureText(graphics_, displayText, font_, LayoutRect(bounds), format_);
  return {box.width, box.height};
}

std::vector<Rect> EditTextMeasurer::CharacterBoxes(std::string_view displayText, int first, int count,
                                                   const LayoutBounds& bounds) const {
  const int columns = GbkColumns(displayText);
  if (!IsLong(columns, bounds))
    return MeasureCharacters(graphics_, displayText, font_, format_, LayoutRect(bounds), first, count);
  const std::vector<float> edges = Edges(displayText);
  const float height = advances_->RowHeight(graphics_, font_, format_);
  std::vector<Rect> boxes;
  for (int i = std::max(first, 0); i < std::min(first + count, columns); ++i) {
    const auto at = static_cast<std::size_t>(i);
    boxes.push_back({edges[at], 0, edges[at + 1] - edges[at], height});
  }
  return boxes;
}

Rect EditTextMeasurer::CharacterBox(std::string_view displayText, int index, const LayoutBounds& bounds) const {
  const std::vector<Rect> boxes = CharacterBoxes(displayText, index, 1, bounds);
  return boxes.empty() ? Rect{} : boxes.front();
}

int EditTextMeasurer::ColumnAt(std::string_view displayText, int columns, float x, float y, float lineHeight,
                               const LayoutBounds& bounds) const {
  if (IsLong(columns, bounds)) {
    const std::vector<float> edges = Edges(displayText);
    int column = 0;
    while (column < columns && x >= (edges[static_cast<std::size_t>(column)] + edges[static_cast<std::size_t>(column) + 1]) / 2)
      ++column;
    return column;
  }
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
  if (IsLong(columns, bounds)) return {Edges(displayText)[static_cast<std::size_t>(std::clamp(column, 0, columns))], 0};
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

EditTextMeasurer::Run EditTextMeasurer::VisibleRun(std::string_view displayText, int columns, float left, float right,
                                                   const LayoutBounds& bounds) const {
  if (!IsLong(columns, bounds)) return {0, columns, 0};
  const std::vector<float> edges = Edges(displayText);
  int first = 0;
  while (first < columns && edges[static_cast<std::size_t>(first) + 1] <= left) ++first;
  int end = first;
  while (end < columns && edges[static_cast<std::size_t>(end)] < right) ++end;
  // The run's own layout puts its first character after the same leading space.
  return {first, end - first, edges[static_cast<std::size_t>(first)] - edges.front()};
}

}  // namespace getlink
