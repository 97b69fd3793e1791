// What a list box holds: its columns and its rows, and how a row is drawn.
#pragma once

#include <vector>

#include "runtime/Text.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

struct ListColumn {
  Text caption;
  float width = 0;  // in 96-DPI units
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
};

// One item: a text per column (the first is the item's caption) and a value of the
// application's.
struct ListRow {
  std::vector<Text> texts;
  int value = 0;
  bool selected = false;
};

// How a row is drawn, with the values the list's callers know them by.
enum class ListRowState : int { Normal = 0, Hot = 1, Selected = 4 };

}  // namespace getlink
