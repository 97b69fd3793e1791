// The arithmetic of a list box: how tall its rows are, where the header, the rows and the
// scroll bar go, which row lies under a point, which rows are in view and how far to
// scroll to bring one into view. Everything is in the list's own pixels, (0, 0) at its
// top-left corner; scrollY is 0 or negative (the rows move up by -scrollY).
#pragma once

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// How a list shows its items.
enum class ListView : int {
  Report = 0,  // rows of columns under an optional header
  Icons = 1,   // a grid of cells, an icon above each caption
  List = 2,    // rows without header
};

// The rows fully in view, 1-based; last < first when none is.
struct VisibleRows {
  int first = 0;
  int last = 0;
};

class ListBoxLayout {
 public:
  struct Input {
    ListView view = ListView::Report;
    float fontHeight = 0;  // line spacing of the list's font
    int width = 0;         // the list's size
    int height = 0;
    bool header = false;  // a header is shown (report view only)
    int itemCount = 0;
    int iconHeight = 0;  // the row image's height in the row views, the icon's in the icon view; 0: none
    int rowHeight = 0;   // row views: a fixed row height; 0: from the font and the row image
  };

  ListBoxLayout() = default;
  // The list's paddings from the style's list section, its bar as wide as a scroll bar.
  ListBoxLayout(const Input& input, const UiStyle& style);

  ListView View() const { return view_; }
  // Row views: the fixed height when one is given, else a line of the font and the row
  // padding, or the row image's height and its padding when that is taller. Icon view: the
  // height of a cell, caption and icon.
  int RowHeight() const { return rowHeight_; }
  // One line of the font with the room around it (a header's height, an icon's caption).
  int LineHeight() const { return lineHeight_; }
  // 0 without a header; else one line of the font and its padding.
  int HeaderHeight() const { return headerHeight_; }
  Rect HeaderRect() const;
  // Where rows are drawn: inside the frame, below the header, left of the bar.
  Rect ViewRect() const { return viewRect_; }
  bool BarShown() const { return barShown_; }
  Rect BarRect() const;
  // Rows in the view's height (grid rows in the icon view).
  int ContentHeight() const { return contentHeight_; }
  // How far the rows scroll: content height - view height, or 0 when they fit.
  int ScrollRange() const;
  int ClampScroll(int scrollY) const;
  // Icon view: cells side by side in one grid row (at least 1), and a cell's width.
  int CellsPerRow() const { return cellsPerRow_; }
  int CellWidth() const { return cellWidth_; }

  // The 1-based item under a point of the list, 0 when none.
  int ItemAt(float x, float y, int scrollY) const;
  // The item's row (its cell in the icon view), scrolled; it may lie outside the view.
  Rect ItemRect(int item, int scrollY) const;
  VisibleRows Visible(int scrollY) const;
  // Whole grid rows the view holds, at least 1: how far a page moves.
  int RowsInView() const;
  // The scroll position that shows `item`: unchanged when it is in view already, else
  // with the item's row at the view's bottom (clamped to the range).
  int ScrollToShow(int item, int scrollY) const;
  // The least scrolling that shows `item`: its row at the view's top when it lies above
  // the view, at the bottom when below, unchanged when in view.
  int ScrollToReveal(int item, int scrollY) const;
  // One notch of the wheel: the style's rows in the report view, one in the others.
  int WheelStep() const { return view_ == ListView::Report ? reportWheelRows_ * rowHeight_ : rowHeight_; }

 private:
  int GridRow(int item) const;

  ListView view_ = ListView::Report;
  int itemCount_ = 0;
  int rowHeight_ = 0;
  int lineHeight_ = 0;
  int headerHeight_ = 0;
  Rect content_;
  Rect viewRect_;
  bool barShown_ = false;
  int contentHeight_ = 0;
  int cellsPerRow_ = 1;
  int cellWidth_ = 0;
  float barWidth_ = 0;
  int reportWheelRows_ = 1;
};

}  // namespace getlink
