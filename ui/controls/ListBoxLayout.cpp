#include "ui/controls/ListBoxLayout.h"

#include <algorithm>
#include <cmath>

namespace getlink {

ListBoxLayout::ListBoxLayout(const Input& input, const UiStyle& style)
    : view_(input.view),
      itemCount_(std::max(input.itemCount, 0)),
      barWidth_(style.scrollBar.thickness),
      reportWheelRows_(style.listBox.reportWheelRows) {
  const ListBoxStyle& list = style.listBox;
  lineHeight_ = static_cast<int>(std::lround(input.fontHeight)) + list.linePadding;
  const int line = lineHeight_;
  headerHeight_ = view_ == ListView::Report && input.header ? line : 0;
  if (view_ == ListView::Icons) {
    rowHeight_ = line + input.iconHeight + list.iconPadding;
    cellWidth_ = line + list.cellPadding;
  } else if (input.rowHeight > 0) {
    rowHeight_ = input.rowHeight;
  } else {
    rowHeight_ = input.iconHeight >= line ? input.iconHeight + list.imageRowPadding : line + list.rowPadding;
  }
  const float frame = list.frame;
  content_ = RectOf(frame, frame, std::max(0.f, input.width - 2 * frame), std::max(0.f, input.height - 2 * frame));
  viewRect_ = RectOf(content_.left, content_.top + headerHeight_, content_.width,
                     std::max(0.f, content_.height - headerHeight_));
  const auto gridRows = [this] {
    cellsPerRow_ = view_ == ListView::Icons ? std::max(1, static_cast<int>(viewRect_.width) / cellWidth_) : 1;
    return (itemCount_ + cellsPerRow_ - 1) / cellsPerRow_;
  };
  contentHeight_ = gridRows() * rowHeight_;
  barShown_ = contentHeight_ > static_cast<int>(viewRect_.height);
  if (barShown_) {
    viewRect_.width = std::max(0.f, viewRect_.width - barWidth_);
    contentHeight_ = gridRows() * rowHeight_;  // narrower cells may need more grid rows
  }
}

Rect ListBoxLayout::HeaderRect() const {
  return RectOf(content_.left, content_.top, content_.width, static_cast<float>(headerHeight_));
}

Rect ListBoxLayout::BarRect() const {
  return RectOf(content_.Right() - barWidth_, viewRect_.top, barWidth_, viewRect_.height);
}

int ListBoxLayout::ScrollRange() const { return std::max(0, contentHeight_ - static_cast<int>(viewRect_.height)); }

int ListBoxLayout::ClampScroll(int scrollY) const { return std::max(-ScrollRange(), std::min(0, scrollY)); }

int ListBoxLayout::GridRow(int item) const { return (item - 1) / cellsPerRow_ + 1; }

int ListBoxLayout::ItemAt(float x, float y, int scrollY) const {
  if (rowHeight_ <= 0 || x < viewRect_.left || x >= viewRect_.Right() || y < viewRect_.top || y >= viewRect_.Bottom())
    return 0;
  const int row = static_cast<int>(std::floor((y - viewRect_.top - scrollY) / rowHeight_));
  int column = 0;
  if (view_ == ListView::Icons) {
    column = static_cast<int>(std::floor((x - viewRect_.left) / cellWidth_));
    if (column >= cellsPerRow_) return 0;
  }
  const int item = row * cellsPerRow_ + column + 1;
  return item >= 1 && item <= itemCount_ ? item : 0;
}

Rect ListBoxLayout::ItemRect(int item, int scrollY) const {
  const float top = viewRect_.top + static_cast<float>((GridRow(item) - 1) * rowHeight_ + scrollY);
  if (view_ != ListView::Icons) return RectOf(viewRect_.left, top, viewRect_.width, static_cast<float>(rowHeight_));
  const int column = (item - 1) % cellsPerRow_;
  return RectOf(viewRect_.left + static_cast<float>(column * cellWidth_), top, static_cast<float>(cellWidth_),
                static_cast<float>(rowHeight_));
}

VisibleRows ListBoxLayout::Visible(int scrollY) const {
  if (rowHeight_ <= 0 || itemCount_ == 0) return {1, 0};
  const int firstRow = (-scrollY + rowHeight_ - 1) / rowHeight_;                    // 0-based, whole
  const int endRow = (-scrollY + static_cast<int>(viewRect_.height)) / rowHeight_;  // past the last whole one
  return {firstRow * cellsPerRow_ + 1, std::min(itemCount_, endRow * cellsPerRow_)};
}

int ListBoxLayout::RowsInView() const {
  return rowHeight_ > 0 ? std::max(1, static_cast<int>(viewRect_.height) / rowHeight_) : 1;
}

int ListBoxLayout::ScrollToShow(int item, int scrollY) const {
  if (item < 1 || item > itemCount_) return scrollY;
  const VisibleRows visible = Visible(scrollY);
  if (item >= visible.first && item <= visible.last) return scrollY;
  return ClampScroll(-(GridRow(item) * rowHeight_ - static_cast<int>(viewRect_.height)));
}

int ListBoxLayout::ScrollToReveal(int item, int scrollY) const {
  if (item >= 1 && item < Visible(scrollY).first) return ClampScroll(-(GridRow(item) - 1) * rowHeight_);
  return ScrollToShow(item, scrollY);
}

}  // namespace getlink
