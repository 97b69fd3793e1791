// The advance widths of single characters in one font and format, each measured with
// GDI+ once and then remembered, for lines too long to hand to GDI+ whole: every GDI+
// call lays out the whole string it is given, so measuring or drawing a line of a
// megabyte character by character would take hours. Positions then come from summing
// advances, and only the visible part of such a line is laid out and drawn.
#pragma once

#include <string_view>
#include <unordered_map>

#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

class CharacterAdvances {
 public:
  // Forgets everything (the font or format changed).
  void Clear();

  float Advance(GpGraphics* graphics, GpFont* font, GpStringFormat* format, wchar_t character);
  // Where GDI+ puts the first character of a laid-out string, and the height of a row.
  float LeadingSpace(GpGraphics* graphics, GpFont* font, GpStringFormat* format);
  float RowHeight(GpGraphics* graphics, GpFont* font, GpStringFormat* format);
  // What GDI+ adds to a line's advances when it measures the line whole (the room before
  // and after it).
  float Padding(GpGraphics* graphics, GpFont* font, GpStringFormat* format);

 private:
  void MeasureSample(GpGraphics* graphics, GpFont* font, GpStringFormat* format);

  std::unordered_map<wchar_t, float> advances_;
  float leadingSpace_ = -1;
  float rowHeight_ = 0;
  float padding_ = 0;
};

}  // namespace getlink
