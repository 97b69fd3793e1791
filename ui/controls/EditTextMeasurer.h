// Measures an edit box's lines and characters with GDI+, in the box's font and format:
// whole lines for the document's layout, single characters for hit testing and for
// placing the caret. Positions are relative to the line's layout origin; a line wider
// than the bounds wraps into rows.
#pragma once

#include <vector>

#include "ui/controls/EditDocument.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

class EditTextMeasurer : public LineMeasurer {
 public:
  EditTextMeasurer(GpGraphics* graphics, GpFont* font, GpStringFormat* format)
      : graphics_(graphics), font_(font), format_(format) {}

  LineSize MeasureLine(std::string_view displayText, const LayoutBounds& bounds) override;

  // The box of character `index` (empty when it has none, as a trailing tab may).
  Rect CharacterBox(std::string_view displayText, int index, const LayoutBounds& bounds) const;
  // The boxes of `count` characters from `first`.
  std::vector<Rect> CharacterBoxes(std::string_view displayText, int first, int count,
                                   const LayoutBounds& bounds) const;

  // The column nearest to (x, y) in a line of `columns` characters: before the character
  // under the point, after it past its middle; (x, y) is first kept within the line's
  // rows. Binary search: a few measurements even for a very long line.
  int ColumnAt(std::string_view displayText, int columns, float x, float y, float lineHeight,
               const LayoutBounds& bounds) const;

  // Where the caret stands before `column`: x and the top of its row.
  struct CaretPlace {
    float x = 0;
    float rowTop = 0;
  };
  CaretPlace CaretAt(std::string_view displayText, int columns, int column, float charWidth,
                     const LayoutBounds& bounds) const;

 private:
  GpGraphics* graphics_;
  GpFont* font_;
  GpStringFormat* format_;
};

}  // namespace getlink
