#include "ui/controls/ListBoxPainter.h"

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {
namespace {

void FillRect(GpGraphics* g, const Rect& rect, Argb colour) {
  if (AlphaOf(colour) == 0 || rect.width <= 0 || rect.height <= 0) return;
  gdip::GdipFillRectangle(g, SolidBrush(colour).get(), rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

void ListBoxPainter::Paint(int width, int height, const ListBoxScene& scene) const {
  const Rect whole = RectOf(0, 0, static_cast<float>(width), static_cast<float>(height));
  FillRect(graphics_, whole, look_.back);
  if (AlphaOf(look_.border) != 0) OutlineRect(graphics_, whole, BorderStyle::Outline, look_.border);
  if (scene.layout.HeaderHeight() > 0) PaintHeader(scene);

  const Rect view = scene.layout.ViewRect();
  ClipRect(graphics_, view);
  for (int item = 1; item <= static_cast<int>(scene.rows.size()); ++item) {
    const Rect rect = scene.layout.ItemRect(item, scene.scrollY);
    if (rect.Bottom() <= view.top) continue;
    if (rect.top >= view.Bottom()) break;
    PaintRow(scene, item);
  }
  if (scene.layout.View() == ListView::Report) PaintGridLines(scene);
  ResetClip(graphics_);
}

void ListBoxPainter::PaintHeader(const ListBoxScene& scene) const {
  const Rect header = scene.layout.HeaderRect();
  FillGradient(graphics_, RectOf(header.left, header.top, header.width + 1, header.height + 1), style_.headerTop,
               style_.headerBottom);
  FillRect(graphics_, RectOf(header.left, header.Bottom() - 1, header.width, 1), style_.headerLine);
  ClipRect(graphics_, header);
  const std::vector<Rect> cells = Cells(scene, header);
  for (std::size_t i = 0; i < cells.size() && i < scene.columns.size(); ++i) {
    PaintCell(cells[i], scene.columns[i].caption, look_.text, scene.columns[i].alignment);
    const float inset = style_.headerSeparatorInset;
    FillRect(graphics_, RectOf(cells[i].Right() - 1, header.top + inset, 1, header.height - 2 * inset),
             style_.headerLine);
  }
  ResetClip(graphics_);
}

void ListBoxPainter::PaintRow(const ListBoxScene& scene, int item) const {
  const ListRow& row = scene.rows[static_cast<std::size_t>(item - 1)];
  const bool hot = item == scene.hotRow;
  const Rect rect = scene.layout.ItemRect(item, scene.scrollY);
  FillRect(graphics_, rect, row.selected ? look_.selectedBack : hot ? look_.hotBack : Argb());
  const Argb colour = row.selected ? look_.selectedText : hot ? look_.hotText : look_.text;
  if (scene.layout.View() == ListView::Icons) {
    // The caption under the (missing) icon, centred in the cell.
    const float line = static_cast<float>(scene.layout.LineHeight());
    const Text caption = row.texts.empty() ? Text() : row.texts.front();
    PaintCell(RectOf(rect.left, rect.Bottom() - line - style_.iconCaptionBottom, rect.width, line), caption, colour,
              Gdiplus::StringAlignmentCenter);
    return;
  }
  const std::vector<Rect> cells = Cells(scene, rect);
  for (std::size_t i = 0; i < cells.size() && i < row.texts.size(); ++i) {
    const auto alignment = i < scene.columns.size() ? scene.columns[i].alignment : Gdiplus::StringAlignmentNear;
    PaintCell(cells[i], row.texts[i], colour, alignment);
  }
}

void ListBoxPainter::PaintGridLines(const ListBoxScene& scene) const {
  const Rect view = scene.layout.ViewRect();
  if (look_.gridLines & static_cast<int>(ListGridLine::Horizontal)) {
    for (int item = 1; item <= static_cast<int>(scene.rows.size()); ++item) {
      const Rect rect = scene.layout.ItemRect(item, scene.scrollY);
      if (rect.top >= view.Bottom()) break;
      FillRect(graphics_, RectOf(view.left, rect.Bottom() - 1, view.width, 1), style_.gridLine);
    }
  }
  if (look_.gridLines & static_cast<int>(ListGridLine::Vertical)) {
    for (const Rect& cell : Cells(scene, view))
      FillRect(graphics_, RectOf(cell.Right() - 1, view.top, 1, view.height), style_.gridLine);
  }
}

void ListBoxPainter::PaintCell(const Rect& cell, const Text& text, Argb colour,
                               Gdiplus::StringAlignment alignment) const {
  if (text.empty()) return;
  const Margins& inset = style_.cellInset;
  const Rect inner = RectOf(cell.left + inset.left, cell.top + inset.top, cell.width - inset.left - inset.right,
                            cell.height - inset.top - inset.bottom);
  Gdiplus::StringAlignment own = Gdiplus::StringAlignmentNear;
  gdip::GdipGetStringFormatAlign(format_, &own);
  TextFormat aligned = TextFormat::Empty();
  GpStringFormat* format = format_;
  if (own != alignment) {
    aligned = TextFormat::CopyOf(format_);
    aligned.SetAlign(alignment);
    format = aligned.Handle();
  }
  DrawText(graphics_, inner, text, font_, colour, format);
}

std::vector<Rect> ListBoxPainter::Cells(const ListBoxScene& scene, const Rect& row) const {
  if (scene.columns.empty()) return {row};
  std::vector<Rect> cells;
  float left = row.left;
  for (const ListColumn& column : scene.columns) {
    const float width = scene.scale.ToPixels(column.width);
    cells.push_back(RectOf(left, row.top, width, row.height));
    left += width;
  }
  return cells;
}

}  // namespace getlink
