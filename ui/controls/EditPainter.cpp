#include "ui/controls/EditPainter.h"

#include <algorithm>

#include "ui/controls/EditCharacters.h"
#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

Rect Offset(Rect rect, const Rect& origin) {
  rect.left += origin.left;
  rect.top += origin.top;
  return rect;
}

Rect Intersection(const Rect& a, const Rect& b) {
  const float left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  return {left, top, std::max(0.f, std::min(a.Right(), b.Right()) - left),
          std::max(0.f, std::min(a.Bottom(), b.Bottom()) - top)};
}

}  // namespace

void EditPainter::Paint(float width, float height, const EditAreas& areas, const EditDocument& document,
                        ScrollOffsets scroll, const EditSelection& selection) {
  const UniqueBrush back = SolidBrush(look_.back);
  gdip::GdipFillRectangle(graphics_, back.get(), 0, 0, width, height);
  OutlineRect(graphics_, RectOf(0, 0, width, height), BorderStyle::Outline, look_.border);
  textArea_ = areas.text;
  PaintLines(textArea_, document, scroll, selection);
}

void EditPainter::PaintBand(const Rect& band, const EditAreas& areas, const EditDocument& document,
                            ScrollOffsets scroll, const EditSelection& selection) {
  // The band's pixels are replaced, not drawn over: the background is translucent.
  ClipRect(graphics_, band);
  gdip::GdipSetCompositingMode(graphics_, Gdiplus::CompositingModeSourceCopy);
  const UniqueBrush back = SolidBrush(look_.back);
  gdip::GdipFillRectangle(graphics_, back.get(), band.left, band.top, band.width, band.height);
  gdip::GdipSetCompositingMode(graphics_, Gdiplus::CompositingModeSourceOver);
  textArea_ = areas.text;
  PaintLines(Intersection(band, textArea_), document, scroll, selection);
}

void EditPainter::PaintLines(const Rect& clip, const EditDocument& document, ScrollOffsets scroll,
                             const EditSelection& selection) {
  clip_ = clip;
  ClipRect(graphics_, clip_);
  for (int line = document.LineAtY(clip_.top - textArea_.top - scroll.y); line <= document.LineCount(); ++line) {
    const float top = textArea_.top + document.LineRect(line).top + scroll.y;
    if (top >= clip_.Bottom()) break;
    PaintLine(document, line, {textArea_.left + scroll.x, top, 0, 0}, selection);
  }
  ResetClip(graphics_);
}

void EditPainter::PaintLine(const EditDocument& document, int line, const Rect& origin,
                            const EditSelection& selection) {
  const Text shown = document.DisplayText(line);
  // Only what the clip lets be seen: the rows of a wrapped line that meet it, the part of a
  // long line within it.
  const Rect view = {clip_.left - origin.left, clip_.top - origin.top, clip_.width, clip_.height};
  const std::vector<EditTextMeasurer::Run> runs =
      measurer_.VisibleRuns(shown, document.LineLength(line), view, document.Bounds());
  DrawRuns(shown, runs, origin, look_.text);
  const std::vector<Rect> rows = SelectionRows(document, line, selection, runs);
  if (rows.empty()) return;
  const UniqueBrush fill = SolidBrush(look_.selectionFill);
  ClipRect(graphics_, Offset(rows.front(), origin));
  for (std::size_t i = 1; i < rows.size(); ++i) ClipRect(graphics_, Offset(rows[i], origin), Gdiplus::CombineModeUnion);
  ClipRect(graphics_, clip_, Gdiplus::CombineModeIntersect);
  for (const Rect& row : rows) {
    const Rect box = Offset(row, origin);
    gdip::GdipFillRectangle(graphics_, fill.get(), box.left, box.top, box.width, box.height);
  }
  DrawRuns(shown, runs, origin, look_.selectedText);
  ClipRect(graphics_, clip_);
}

void EditPainter::DrawRuns(std::string_view shown, const std::vector<EditTextMeasurer::Run>& runs,
                           const Rect& origin, Argb colour) {
  // The runs come in reading order: their bytes are found in one walk.
  std::size_t from = 0;
  int column = 0;
  for (const EditTextMeasurer::Run& run : runs) {
    from += GbkBytesOfColumns(shown.substr(from), run.first - column);
    const std::size_t bytes = GbkBytesOfColumns(shown.substr(from), run.count);
    const Rect at = {origin.left + run.x, origin.top + run.y, 0, 0};
    DrawText(graphics_, at, shown.substr(from, bytes), look_.font, colour, look_.format);
    from += bytes;
    column = run.first + run.count;
  }
}

std::vector<Rect> EditPainter::SelectionRows(const EditDocument& document, int line, const EditSelection& selection,
                                             const std::vector<EditTextMeasurer::Run>& runs) const {
  std::vector<Rect> rows;
  if (runs.empty() || selection.IsEmpty() || line < selection.start.line || line > selection.end.line) return rows;
  const int length = document.LineLength(line);
  const int first = std::max(line == selection.start.line ? selection.start.column : 0, runs.front().first);
  const int last = std::min(line == selection.end.line ? selection.end.column : length,
                            runs.back().first + runs.back().count);
  // An empty line inside the selection shows its one space selected.
  const int count = length == 0 && line < selection.end.line ? 1 : last - first;
  if (count <= 0) return rows;
  for (const Rect& box : measurer_.CharacterBoxes(document.DisplayText(line), first, count, document.Bounds())) {
    if (box.width <= 0) continue;
    if (!rows.empty() && rows.back().top == box.top) {
      Rect& row = rows.back();
      row.width = std::max(row.Right(), box.Right()) - row.left;
    } else {
      rows.push_back(box);
    }
  }
  return rows;
}

}  // namespace getlink
