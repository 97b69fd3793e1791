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
  const LayoutBounds bounds = document.Bounds();
  for (int line = document.LineAtY(clip_.top - textArea_.top - scroll.y); line <= document.LineCount(); ++line) {
    const Rect lineRect = document.LineRect(line);
    const float top = textArea_.top + lineRect.top + scroll.y;
    if (top >= clip_.Bottom()) break;
    PaintLine(document, line, {textArea_.left + scroll.x, top, bounds.width, bounds.height}, selection);
  }
  ResetClip(graphics_);
}

void EditPainter::PaintLine(const EditDocument& document, int line, const Rect& origin,
                            const EditSelection& selection) {
  const Text shown = document.DisplayText(line);
  const int columns = document.LineLength(line);
  // A long line is drawn only where the clip lets it be seen.
  const EditTextMeasurer::Run run = measurer_.VisibleRun(shown, columns, clip_.left - origin.left,
                                                         clip_.Right() - origin.left, document.Bounds());
  Text drawn = shown;
  Rect at = origin;
  if (run.first != 0 || run.count != columns) {
    const std::size_t from = GbkBytesOfColumns(shown, run.first);
    drawn = shown.substr(from, GbkBytesOfColumns(std::string_view(shown).substr(from), run.count));
    at.left += run.x;
  }
  DrawText(graphics_, at, drawn, look_.font, look_.text, look_.format);
  const std::vector<Rect> rows = SelectionRows(document, line, selection, run);
  if (rows.empty()) return;
  const UniqueBrush fill = SolidBrush(look_.selectionFill);
  ClipRect(graphics_, Offset(rows.front(), origin));
  for (std::size_t i = 1; i < rows.size(); ++i) ClipRect(graphics_, Offset(rows[i], origin), Gdiplus::CombineModeUnion);
  ClipRect(graphics_, clip_, Gdiplus::CombineModeIntersect);
  for (const Rect& row : rows) {
    const Rect box = Offset(row, origin);
    gdip::GdipFillRectangle(graphics_, fill.get(), box.left, box.top, box.width, box.height);
  }
  DrawText(graphics_, at, drawn, look_.font, look_.selectedText, look_.format);
  ClipRect(graphics_, clip_);
}

std::vector<Rect> EditPainter::SelectionRows(const EditDocument& document, int line, const EditSelection& selection,
                                             const EditTextMeasurer::Run& run) const {
  std::vector<Rect> rows;
  if (selection.IsEmpty() || line < selection.start.line || line > selection.end.line) return rows;
  const int length = document.LineLength(line);
  const int first = std::max(line == selection.start.line ? selection.start.column : 0, run.first);
  const int last = std::min(line == selection.end.line ? selection.end.column : length, run.first + run.count);
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
