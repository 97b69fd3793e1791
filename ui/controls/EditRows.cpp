#include "ui/controls/EditRows.h"

#include <algorithm>
#include <utility>

namespace getlink {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }

}  // namespace

EditRows::EditRows(std::wstring_view characters, std::vector<float> edges, std::optional<float> wrapAt)
    : edges_(std::move(edges)) {
  const int columns = Columns();
  const auto x = [&](int column) { return edges_[static_cast<std::size_t>(column)]; };
  const auto blank = [&](int column) { return IsBlank(characters[static_cast<std::size_t>(column)]); };
  starts_.push_back(0);
  if (!wrapAt) {
    width_ = x(columns) - x(0);
    return;
  }
  const float room = *wrapAt;
  for (int start = 0;;) {
    int end = start + 1;  // a row holds at least one character
    while (end < columns && x(end + 1) - x(start) <= room) ++end;
    while (end < columns && blank(end)) ++end;
    int next = end;
    if (end < columns) {
      while (next > start && !(blank(next - 1) && !blank(next))) --next;
      if (next == start) next = end;  // no blank to break at: cut where the row is full
    }
    int kept = next;
    while (kept > start && blank(kept - 1)) --kept;
    width_ = std::max(width_, std::min(x(next) - x(start), std::max(room, x(kept) - x(start))));
    if (next >= columns) break;
    starts_.push_back(next);
    start = next;
  }
}

int EditRows::RowStart(int row) const { return starts_[static_cast<std::size_t>(std::clamp(row, 0, RowCount() - 1))]; }

int EditRows::RowEnd(int row) const { return row + 1 < RowCount() ? RowStart(row + 1) : Columns(); }

int EditRows::RowOf(int column) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), column);
  return std::max(0, static_cast<int>(after - starts_.begin()) - 1);
}

float EditRows::Left(int column) const {
  column = std::clamp(column, 0, Columns());
  return edges_[static_cast<std::size_t>(column)] - RowOrigin(RowOf(column));
}

float EditRows::Right(int column) const {
  if (Columns() == 0) return Left(0);
  column = std::clamp(column, 0, Columns() - 1);
  return edges_[static_cast<std::size_t>(column) + 1] - RowOrigin(RowOf(column));
}

int EditRows::ColumnAt(int row, float x) const {
  // The middles of a row's characters grow from left to right.
  int low = RowStart(row), high = RowEnd(row);
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (x >= (Left(middle) + Right(middle)) / 2)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

float EditRows::Width() const { return width_; }

}  // namespace getlink
