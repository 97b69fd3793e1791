// Measures an edit box's lines and characters with GDI+, in the box's font and format:
// whole lines for the document's layout, single characters for hit testing and for
// placing the caret, and the runs of a line that are worth drawing. Positions are relative
// to the line's layout origin.
//
// A line that wraps, and a line of more than kLongLine characters, is never handed to
// GDI+ whole: it is laid out in rows (EditRows) from the advances of its characters
// (CharacterAdvances), and each row is drawn as a string of its own, only where it shows.
// Every GDI+ call lays out all of the string it is given, so measuring a wrapped line's
// characters that way cost about seven times more for each doubling of the line
// (selecting a link of 20,000 characters took 38 s); and GDI+ wrapping a string itself may
// break a row one character away from where it measures the break. A short line that does not
// wrap is measured by the advances too (a GDI+ call costs about 40 microseconds on Wine
// whatever the line, too much for a paste of many thousand lines, and the sum comes to
// the same width as GDI+ laying the line out whole), and its characters with GDI+.
#pragma once

#include <optional>
#include <vector>

#include "ui/controls/EditDocument.h"
#include "ui/controls/EditMeasureCache.h"
#include "ui/controls/EditRows.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

class EditTextMeasurer : public LineMeasurer {
 public:
  static constexpr int kLongLine = 1000;

  // `cache` is kept by the caller across measurers.
  EditTextMeasurer(GpGraphics* graphics, GpFont* font, GpStringFormat* format, EditMeasureCache& cache)
      : graphics_(graphics), font_(font), format_(format), cache_(cache), advances_(cache.Advances()) {}

  LineSize MeasureLine(std::string_view displayText, const LayoutBounds& bounds) override;

  // The boxes of `count` characters from `first` (a box is empty where a character has
  // none, as a trailing tab may).
  std::vector<Rect> CharacterBoxes(std::string_view displayText, int first, int count,
                                   const LayoutBounds& bounds) const;

  // The column nearest to (x, y) in a line of `columns` characters: on the row that holds
  // y (the first above the line, the last below it), before the character under x, after
  // it past its middle.
  int ColumnAt(std::string_view displayText, int columns, float x, float y, const LayoutBounds& bounds) const;

  // Where the caret stands before `column`: x and the top of its row.
  struct CaretPlace {
    float x = 0;
    float rowTop = 0;
  };
  CaretPlace CaretAt(std::string_view displayText, int columns, int column, float charWidth,
                     const LayoutBounds& bounds) const;

  // Characters of a line to be drawn as one string whose layout starts at (x, y).
  struct Run {
    int first = 0;
    int count = 0;
    float x = 0;
    float y = 0;
  };
  // The runs worth drawing to cover `view` (relative to the line's origin), top to bottom:
  // the whole line, unless it is laid out in rows; then each row that meets the view, of a
  // long line only the characters that do.
  std::vector<Run> VisibleRuns(std::string_view displayText, int columns, const Rect& view,
                               const LayoutBounds& bounds) const;

 private:
  bool InRows(int columns, const LayoutBounds& bounds) const { return bounds.width > 0 || columns > kLongLine; }
  const EditRows& Rows(std::string_view displayText, const LayoutBounds& bounds) const;
  // The widest a row's characters may reach; none when lines do not wrap.
  std::optional<float> Room(const LayoutBounds& bounds) const;
  float RowHeight() const { return advances_.RowHeight(graphics_, font_, format_); }
  Rect CharacterBox(std::string_view displayText, int index) const;

  GpGraphics* graphics_;
  GpFont* font_;
  GpStringFormat* format_;
  EditMeasureCache& cache_;
  CharacterAdvances& advances_;
};

}  // namespace getlink
