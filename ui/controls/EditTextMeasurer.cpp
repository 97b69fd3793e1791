#include "ui/controls/EditTextMeasurer.h"

#include <algorithm>
#include <cmath>

#include "runtime/Codec.h"
#include "ui/controls/EditCharacters.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

bool IsEmpty(const Rect& box) { return box.width <= 0 || box.height <= 0; }

}  // namespace

const EditRows& EditTextMeasurer::Rows(std::string_view displayText, const LayoutBounds& bounds) const {
  const std::optional<float> room = Room(bounds);
  if (const EditRows* kept = cache_.RowsOf(displayText, room)) return *kept;
  const std::wstring wide = ToWide(displayText);
  std::vector<float> edges;
  edges.reserve(wide.size() + 1);
  float x = advances_.LeadingSpace(graphics_, font_, format_);
  for (const wchar_t c : wide) {
    edges.push_back(x);
    x += advances_.Advance(graphics_, font_, format_, c);
  }
  edges.push_back(x);
  return cache_.Keep(displayText, room, EditRows(wide, std::move(edges), room));
}

std::optional<float> EditTextMeasurer::Room(const LayoutBounds& bounds) const {
  // GDI+ keeps the padding before and after a row's characters within the bounds.
  if (bounds.width <= 0) return std::nullopt;
  return bounds.width - advances_.Padding(graphics_, font_, format_);
}

LineSize EditTextMeasurer::MeasureLine(std::string_view displayText, const LayoutBounds& bounds) {
  const float padding = advances_.Padding(graphics_, font_, format_);
  if (const std::optional<float> room = Room(bounds)) {
    // Most lines fit in one row: summed as EditRows sums them, without keeping the edges.
    const float leading = advances_.LeadingSpace(graphics_, font_, format_);
    float end = leading;
    for (const wchar_t c : ToWide(displayText)) end += advances_.Advance(graphics_, font_, format_, c);
    if (end - leading <= *room) return {end - leading + padding, RowHeight()};
    const EditRows& rows = Rows(displayText, bounds);
    return {rows.Width() + padding, static_cast<float>(rows.RowCount()) * RowHeight()};
  }
  float width = 0;
  for (const wchar_t c : ToWide(displayText)) width += advances_.Advance(graphics_, font_, format_, c);
  return {width + padding, RowHeight()};
}

std::vector<Rect> EditTextMeasurer::CharacterBoxes(std::string_view displayText, int first, int count,
                                                   const LayoutBounds& bounds) const {
  if (!InRows(GbkColumns(displayText), bounds))
    return MeasureCharacters(graphics_, displayText, font_, format_, Rect{}, first, count);
  const EditRows& rows = Rows(displayText, bounds);
  const float height = RowHeight();
  std::vector<Rect> boxes;
  for (int i = std::max(first, 0); i < std::min(first + count, rows.Columns()); ++i)
    boxes.push_back({rows.Left(i), static_cast<float>(rows.RowOf(i)) * height, rows.Right(i) - rows.Left(i), height});
  return boxes;
}

Rect EditTextMeasurer::CharacterBox(std::string_view displayText, int index) const {
  const std::vector<Rect> boxes = MeasureCharacters(graphics_, displayText, font_, format_, Rect{}, index, 1);
  return boxes.empty() ? Rect{} : boxes.front();
}

int EditTextMeasurer::ColumnAt(std::string_view displayText, int columns, float x, float y,
                               const LayoutBounds& bounds) const {
  if (InRows(columns, bounds)) {
    const EditRows& rows = Rows(displayText, bounds);
    const int row = std::clamp(static_cast<int>(std::floor(y / RowHeight())), 0, rows.RowCount() - 1);
    return std::min(rows.ColumnAt(row, x), columns);
  }
  // One row: the first character whose middle lies right of x.
  int low = 0, high = columns;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    const Rect box = CharacterBox(displayText, middle);
    if (!IsEmpty(box) && x < box.left + box.width / 2)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

EditTextMeasurer::CaretPlace EditTextMeasurer::CaretAt(std::string_view displayText, int columns, int column,
                                                       float charWidth, const LayoutBounds& bounds) const {
  column = std::clamp(column, 0, columns);
  if (InRows(columns, bounds)) {
    const EditRows& rows = Rows(displayText, bounds);
    return {rows.Left(column), static_cast<float>(rows.RowOf(column)) * RowHeight()};
  }
  if (column == 0) return {CharacterBox(displayText, 0).left, 0};
  const Rect box = CharacterBox(displayText, column - 1);
  if (!IsEmpty(box)) return {box.Right(), 0};
  // A character that measures empty: measured again with a space after it.
  const Text padded = Text(displayText) + " ";
  return {std::max(0.f, CharacterBox(padded, column - 1).Right() - charWidth / 2), 0};
}

std::vector<EditTextMeasurer::Run> EditTextMeasurer::VisibleRuns(std::string_view displayText, int columns,
                                                                 const Rect& view, const LayoutBounds& bounds) const {
  if (!InRows(columns, bounds)) return {{0, columns, 0, 0}};
  const EditRows& rows = Rows(displayText, bounds);
  const float height = RowHeight();
  const int top = std::max(0, static_cast<int>(std::floor(view.top / height)));
  const int bottom = std::min(rows.RowCount() - 1, static_cast<int>(std::ceil(view.Bottom() / height)) - 1);
  std::vector<Run> runs;
  for (int row = top; row <= bottom; ++row) {
    const int end = rows.RowEnd(row);
    int first = rows.RowStart(row);
    while (first < end && rows.Right(first) <= view.left) ++first;
    int last = first;
    while (last < end && rows.Left(last) < view.Right()) ++last;
    // The run's own layout puts its first character after the same leading space.
    runs.push_back({first, last - first, rows.Left(first) - rows.Left(0), static_cast<float>(row) * height});
  }
  return runs;
}

}  // namespace getlink
