#include "ui/framework/drawing/Shapes.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/Clipping.h"

namespace getlink {
namespace {

const Argb kInk = MakeArgb(254, 20, 40, 200);

// Equal but for the rounding of premultiplied storage.
::testing::AssertionResult Near(Argb actual, Argb expected) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((actual.Value() >> shift) & 0xFF), e = static_cast<int>((expected.Value() >> shift) & 0xFF);
    if (std::abs(a - e) > 1)
      return ::testing::AssertionFailure() << std::hex << actual << " instead of " << expected;
  }
  return ::testing::AssertionSuccess();
}

class ShapesTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFramework(); }
};

TEST_F(ShapesTest, RoundedRectanglesCutTheirCorners) {
  Surface surface(60, 30);
  const UniqueBrush brush = SolidBrush(kInk);
  FillRoundRect(surface.Graphics(), Rect{0, 0, 24, 24}, 12, brush.get());
  FillRoundRect(surface.Graphics(), Rect{30, 0, 24, 24}, 0, brush.get());  // no arc: a rectangle
  EXPECT_EQ(AlphaOf(surface.PixelAt(0, 0)), 0);
  EXPECT_EQ(AlphaOf(surface.PixelAt(1, 22)), 0);
  EXPECT_TRUE(Near(surface.PixelAt(12, 12), kInk));
  EXPECT_TRUE(Near(surface.PixelAt(12, 1), kInk));
  EXPECT_TRUE(Near(surface.PixelAt(31, 1), kInk));
  EXPECT_GT(AlphaOf(surface.PixelAt(30, 0)), 100);
}

TEST_F(ShapesTest, ClippingToARoundedRectangleAndBack) {
  Surface surface(30, 30);
  const UniqueBrush brush = SolidBrush(kInk);
  ClipToRoundRect(surface.Graphics(), Rect{0, 0, 30, 30}, 16);
  gdip::GdipFillRectangle(surface.Graphics(), brush.get(), 0, 0, 30, 30);
  EXPECT_EQ(AlphaOf(surface.PixelAt(0, 0)), 0);
  EXPECT_TRUE(Near(surface.PixelAt(15, 15), kInk));
  ClipRect(surface.Graphics(), Rect{2, 3, 10, 12});
  const Rect visible = VisibleClipBounds(surface.Graphics());
  EXPECT_EQ(visible, (Rect{2, 3, 10, 12}));
  ResetClip(surface.Graphics());
  gdip::GdipFillRectangle(surface.Graphics(), brush.get(), 0, 0, 30, 30);
  EXPECT_TRUE(Near(surface.PixelAt(0, 0), kInk));
}

TEST_F(ShapesTest, OutlineStyles) {
  const Argb grey = MakeArgb(254, 0x64, 0x64, 0x64);
  const Argb white = MakeArgb(254, 255, 255, 255);
  const Rect rect{0, 0, 20, 10};

  Surface outline(20, 10);
  OutlineRect(outline.Graphics(), rect, BorderStyle::Outline);
  EXPECT_TRUE(Near(outline.PixelAt(0, 0), grey));
  EXPECT_TRUE(Near(outline.PixelAt(19, 9), grey));
  EXPECT_EQ(outline.PixelAt(10, 5), Argb());

  Surface sunken(20, 10), raised(20, 10);
  OutlineRect(sunken.Graphics(), rect, BorderStyle::Sunken, kInk);
  OutlineRect(raised.Graphics(), rect, BorderStyle::Raised, kInk);
  EXPECT_TRUE(Near(sunken.PixelAt(10, 0), kInk));
  EXPECT_TRUE(Near(sunken.PixelAt(0, 5), kInk));
  EXPECT_TRUE(Near(sunken.PixelAt(10, 9), white));
  EXPECT_TRUE(Near(sunken.PixelAt(19, 5), white));
  EXPECT_TRUE(Near(raised.PixelAt(10, 0), white));
  EXPECT_TRUE(Near(raised.PixelAt(10, 9), kInk));
  EXPECT_EQ(raised.PixelAt(10, 5), Argb());

  Surface focus(20, 10);
  OutlineRect(focus.Graphics(), rect, BorderStyle::Focus);
  int inked = 0, clear = 0;
  for (int x = 2; x < 18; ++x) (AlphaOf(focus.PixelAt(x, 0)) > 100 ? inked : clear)++;
  EXPECT_GT(inked, 3);  // dotted: both ink and gaps along the edge
  EXPECT_GT(clear, 3);

  Surface none(20, 10);
  OutlineRect(none.Graphics(), rect, BorderStyle::None);
  OutlineRect(none.Graphics(), rect, static_cast<BorderStyle>(7), kInk);
  EXPECT_EQ(testing::CountPixels(none, [](int, int, Argb p) { return p != Argb(); }), 0);
}

TEST_F(ShapesTest, OutlinedRoundRectangleStaysInsideItsRectangle) {
  Surface surface(30, 20);
  OutlineRoundRect(surface.Graphics(), Rect{0, 0, 30, 20}, 6, kInk);
  EXPECT_GT(AlphaOf(surface.PixelAt(15, 0)), 200);
  EXPECT_GT(AlphaOf(surface.PixelAt(15, 19)), 200);  // the bottom arc runs along the last row
  EXPECT_EQ(AlphaOf(surface.PixelAt(15, 10)), 0);
  EXPECT_EQ(AlphaOf(surface.PixelAt(0, 0)), 0);
}

TEST_F(ShapesTest, GradientsRunFromTheFirstColourToTheSecond) {
  Surface surface(40, 20);
  FillGradient(surface.Graphics(), Rect{0, 0, 20, 20}, MakeArgb(254, 0, 0, 0), MakeArgb(254, 255, 255, 255));
  FillGradient(surface.Graphics(), Rect{20, 0, 20, 20}, MakeArgb(254, 255, 0, 0), MakeArgb(254, 0, 0, 255),
               Gdiplus::LinearGradientModeHorizontal);
  EXPECT_LT(RedOf(surface.PixelAt(5, 1)), 40);
  EXPECT_GT(RedOf(surface.PixelAt(5, 17)), 200);
  EXPECT_EQ(surface.PixelAt(3, 10), surface.PixelAt(12, 10));  // vertical: rows are even
  EXPECT_GT(RedOf(surface.PixelAt(21, 5)), 200);
  EXPECT_GT(BlueOf(surface.PixelAt(37, 5)), 200);
}

}  // namespace
}  // namespace getlink
