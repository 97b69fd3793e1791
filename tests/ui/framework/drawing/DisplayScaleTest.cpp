// Lengths at the window's scale in whole pixels: every way a length is scaled rounds a half
// pixel the same way, and a rectangle keeps its scaled edges.
#include "ui/framework/drawing/DisplayScale.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/framework/drawing/ImageScale.h"
#include "ui/framework/drawing/ScaledStyle.h"

namespace getlink {
namespace {

// At 125 % and 150 % many lengths land on a half pixel: each rounds up, whether it is
// scaled as a length, as an image's length or as a style's whole-pixel or fractional
// length (a row rounded down is drawn 1 pixel short of the list it was measured for).
TEST(DisplayScale, HalfPixelsRoundUpHoweverALengthIsScaled) {
  struct Case {
    int dpi;
    int units;
    int pixels;
  };
  for (const Case& c : {Case{120, 2, 3}, Case{120, 6, 8}, Case{120, 10, 13}, Case{120, 19, 24}, Case{144, 1, 2},
                        Case{144, 19, 29}, Case{144, 25, 38}, Case{96, 19, 19}, Case{192, 19, 38}}) {
    SCOPED_TRACE(std::to_string(c.units) + " at " + std::to_string(c.dpi) + " DPI");
    const DisplayScale scale(c.dpi);
    EXPECT_EQ(scale.ToPixels(c.units), c.pixels);
    EXPECT_EQ(scale.ToPixels(static_cast<float>(c.units)), c.pixels);
    EXPECT_EQ(ScaledLength(static_cast<float>(c.units), scale.Factor()), c.pixels);
    UiStyle style;
    style.comboBox.dropDownRowHeight = c.units;          // whole pixels
    style.listBox.frame = static_cast<float>(c.units);  // a fractional length
    const UiStyle scaled = ScaledStyle(style, scale.Factor());
    EXPECT_EQ(scaled.comboBox.dropDownRowHeight, c.pixels);
    EXPECT_EQ(scaled.listBox.frame, c.pixels);
  }
}

// A rectangle's edges are scaled and rounded, its width is what lies between them: x 25,
// width 75 at 150 % runs from 37.5 to 150 and is drawn from 38 to 150; a width rounded on
// its own (112.5 to 113) would end it at 151, over its neighbour's first pixel.
TEST(DisplayScale, ARectangleKeepsItsScaledEdges) {
  struct Case {
    int dpi;
    Rect units;
    Rect pixels;
  };
  for (const Case& c : {Case{144, {25, 10, 75, 19}, {38, 15, 112, 29}}, Case{120, {6, 2, 10, 4}, {8, 3, 12, 5}},
                        Case{96, {25, 10, 75, 19}, {25, 10, 75, 19}}}) {
    EXPECT_EQ(DisplayScale(c.dpi).ToPixels(c.units), c.pixels) << c.dpi << " DPI";
  }
}

}  // namespace
}  // namespace getlink
