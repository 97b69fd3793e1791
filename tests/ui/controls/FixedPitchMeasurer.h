// A LineMeasurer for tests and fuzzing, without fonts: every single-byte character is
// 7 pixels wide, every double-byte one 12, a row 14 high. A line wider than the bounds
// wraps into as many rows as it needs. Counts its calls.
#pragma once

#include <algorithm>
#include <cmath>

#include "ui/controls/EditCharacters.h"
#include "ui/controls/EditDocument.h"

namespace getlink::testing {

class FixedPitchMeasurer : public LineMeasurer {
 public:
  static constexpr float kNarrow = 7;
  static constexpr float kWide = 12;
  static constexpr float kRow = 14;

  static float WidthOf(std::string_view text) {
    float width = 0;
    for (std::size_t i = 0; i < text.size(); i += GbkCharacterWidth(text, i))
      width += GbkCharacterWidth(text, i) == 2 ? kWide : kNarrow;
    return width;
  }

  LineSize MeasureLine(std::string_view displayText, const LayoutBounds& bounds) override {
    ++calls;
    const float width = WidthOf(displayText);
    float rows = 1;
    if (bounds.width > 0 && width > bounds.width) rows = std::ceil(width / bounds.width);
    return {bounds.width > 0 ? std::min(width, bounds.width) : width, rows * kRow};
  }

  int calls = 0;
};

}  // namespace getlink::testing
