#include "ui/framework/drawing/ImageScale.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/framework/drawing/DisplayScale.h"

namespace getlink {
namespace {

TEST(ImageScale, EachDpiDrawsWithTheNearestDrawingAndItsCellsInWholePixels) {
  struct Case {
    int dpi;
    ImageScale nearest;
    Rect closeCell;  // the normal close button's sprite cell, {0, 1, 39, 19} at 1x
  };
  for (const Case& c : {Case{96, ImageScale::Normal, {0, 1, 39, 19}},
                        Case{108, ImageScale::Normal, {0, 1, 39, 19}},
                        Case{120, ImageScale::OneAndAHalf, {0, 2, 59, 29}},  // halfway: the larger
                        Case{144, ImageScale::OneAndAHalf, {0, 2, 59, 29}},
                        Case{168, ImageScale::Double, {0, 2, 78, 38}},  // halfway again
                        Case{192, ImageScale::Double, {0, 2, 78, 38}},
                        Case{288, ImageScale::Double, {0, 2, 78, 38}}}) {
    const ImageScale chosen = NearestImageScale(DisplayScale(c.dpi).Factor());
    EXPECT_EQ(chosen, c.nearest) << c.dpi;
    const Rect cell = ScaledCell({0, 1, 39, 19}, ImageFactor(chosen));
    EXPECT_EQ(std::vector<float>({cell.left, cell.top, cell.width, cell.height}),
              std::vector<float>({c.closeCell.left, c.closeCell.top, c.closeCell.width, c.closeCell.height}))
        << c.dpi;
  }
  // A cell read upwards (negative height) rounds away from zero like the rest.
  EXPECT_EQ(ScaledCell({0, 97, 1, -21}, 1.5f).height, -32);
}

}  // namespace
}  // namespace getlink
