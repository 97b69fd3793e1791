// How a list box looks: its fill and outline, the header of the report view with its
// captions, and the rows (cells of the icon view) with the hot and selected ones on a
// tint of their own, in the columns' widths and alignments.
#pragma once

#include <vector>

#include "ui/controls/ListBoxLayout.h"
#include "ui/controls/ListBoxModel.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/DisplayScale.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// Bits of the report view's grid lines.
enum class ListGridLine : int { Horizontal = 1, Vertical = 2 };

// The colours in use: those the list was given, with the hot and selected ones already
// resolved (from the window's accent colour, or the text colour).
struct ListBoxLook {
  Argb text;
  Argb back;
  Argb border;
  Argb hotBack;
  Argb selectedBack;
  Argb hotText;
  Argb selectedText;
  int gridLines = 0;  // ListGridLine bits, report view only
};

// What one paint of the list draws.
struct ListBoxScene {
  const ListBoxLayout& layout;
  const std::vector<ListColumn>& columns;
  const std::vector<ListRow>& rows;
  int hotRow;  // 1-based, 0: none
  int scrollY;
  DisplayScale scale;  // the columns' widths are in its units
};

class ListBoxPainter {
 public:
  // `format` is the list's text format; the painter only copies it for other alignments.
  // The header, grid lines and cell insets are the style's.
  ListBoxPainter(GpGraphics* graphics, GpFont* font, GpStringFormat* format, const ListBoxLook& look,
                 const ListBoxStyle& style)
      : graphics_(graphics), font_(font), format_(format), look_(look), style_(style) {}

  // The whole list of `width` x `height`.
  void Paint(int width, int height, const ListBoxScene& scene) const;

 private:
  void PaintHeader(const ListBoxScene& scene) const;
  void PaintRow(const ListBoxScene& scene, int item) const;
  void PaintGridLines(const ListBoxScene& scene) const;
  // The cell's text, inside the style's cell inset.
  void PaintCell(const Rect& cell, const Text& text, Argb colour, Gdiplus::StringAlignment alignment) const;
  // Column `index` spans [left, left + width) of the row; without columns the row is one cell.
  std::vector<Rect> Cells(const ListBoxScene& scene, const Rect& row) const;

  GpGraphics* graphics_;
  GpFont* font_;
  GpStringFormat* format_;
  const ListBoxLook& look_;
  const ListBoxStyle& style_;
};

}  // namespace getlink
