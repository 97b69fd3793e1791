// Measures an edit box's lines and characters with GDI+, in the box's font and format:
// whole lines for the document's layout, single characters for hit testing and for
// placing the caret, and the run of a line that is worth drawing. Positions are relative
// to the line's layout origin; a line wider than the bounds wraps into rows.
//
// A line that does not wrap and holds more than kLongLine characters is not handed to
// GDI+ whole (every call would lay out all of it): its positions are sums of the
// characters' advances (CharacterAdvances), and only its visible run is drawn. Every line
// that does not wrap is measured that way too: a GDI+ call costs about 40 microseconds on
// Wine whatever the line, too much for a paste of many thousand lines, and the sum comes
// to the same width as GDI+ laying the line out whole.
#pragma once

#include <vector>

#include "ui/controls/CharacterAdvances.h"
#include "ui/controls/EditDocument.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

class EditTextMeasurer : public LineMeasurer {
 public:
  static constexpr int kLongLine = 1000;

  // `advances` (kept by the caller across measurers) is needed for lines that do not wrap.
  EditTextMeasurer(GpGraphics* graphics, GpFont* font, GpStringFormat* format, CharacterAdvances* advances = nullptr)
      : graphics_(graphics), font_(font), format_(format), advances_(advances) {}

  LineSize MeasureLine(std::string_view displayText, const LayoutBounds& bounds) override;

  // The box of character `index` (empty when it has none, as a trailing tab may).
  Rect CharacterBox(std::string_view displayText, int index, const LayoutBounds& bounds) const;
  // The boxes of `count` characters from `first`.
  std::vector<Rect> CharacterBoxes(std::string_view displayText, int first, int count,
                                   const LayoutBounds& bounds) const;

  // The column nearest to (x, y) in a line of `columns` characters: before the character
  // under the point, after it past its middle; (x, y) is first kept within the line's
  // rows. A binary search over measured characters, or a walk over a long line's advances.
  int ColumnAt(std::string_view displayText, int columns, float x, float y, float lineHeight,
               const LayoutBounds& bounds) const;

  // Where the caret stands before `column`: x and the top of its row.
  struct CaretPlace {
    float x = 0;
    float rowTop = 0;
  };
  CaretPlace CaretAt(std::string_view displayText, int columns, int column, float charWidth,
                     const LayoutBounds& bounds) const;

  // The characters of a line worth drawing between x positions `left` and `right`, and
  // the x at which their layout starts: the whole line, unless it is long.
  struct Run {
    int first = 0;
    int count = 0;
    float x = 0;
  };
  Run VisibleRun(std::string_view displayText, int columns, float left, float right, const LayoutBounds& bounds) const;

 private:
  bool Unwrapped(const LayoutBounds& bounds) const { return advances_ != nullptr && bounds.width <= 0; }
  bool IsLong(int columns, const LayoutBounds& bounds) const { return Unwrapped(bounds) && columns > kLongLine; }
  // The x of every character's left edge, and the end, for a long line.
  std::vector<float> Edges(std::string_view displayText) const;

  GpGraphics* graphics_;
  GpFont* font_;
  GpStringFormat* format_;
  CharacterAdvances* advances_;
};

}  // namespace getlink
