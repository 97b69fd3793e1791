#include "ui/framework/drawing/Surface.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/Shapes.h"

namespace getlink {
namespace {

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFramework(); }
};

TEST_F(SurfaceTest, ANonPositiveSizeGivesAnEmptySurface) {
  const Surface empty(0, 10);
  EXPECT_FALSE(empty);
  EXPECT_EQ(empty.Graphics(), nullptr);
  EXPECT_EQ(empty.Dc(), nullptr);
  EXPECT_EQ(empty.PixelAt(0, 0), Argb());
  EXPECT_FALSE(Surface(10, -1));
}

TEST_F(SurfaceTest, PixelsArePremultipliedAndReadBackStraight) {
  Surface surface(4, 3);
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface.PixelAt(3, 2), Argb());  // starts transparent
  surface.Clear(MakeArgb(128, 255, 0, 0));
  const Argb read = surface.PixelAt(1, 1);
  EXPECT_EQ(AlphaOf(read), 128);
  EXPECT_GE(RedOf(read), 253);
  // What UpdateLayeredWindow gets: red scaled by alpha.
  EXPECT_NEAR(static_cast<int>((surface.Pixels()[5] >> 16) & 0xFF), 128, 1);
  EXPECT_EQ(surface.PixelAt(4, 0), Argb());
}

TEST_F(SurfaceTest, GdiAndGdiplusSeeTheSamePixels) {
  Surface source(8, 8), copy(8, 8), drawn(8, 8);
  source.Clear(MakeArgb(200, 10, 120, 250));
  BitBlt(copy.Dc(), 0, 0, 8, 8, source.Dc(), 0, 0, SRCCOPY);
  GdiFlush();
  EXPECT_EQ(copy.PixelAt(7, 7), source.PixelAt(7, 7));
  // A surface drawn into another keeps its alpha.
  DrawImageAlpha(drawn.Graphics(), source.Bitmap(), Rect{0, 0, 8, 8});
  EXPECT_EQ(AlphaOf(drawn.PixelAt(4, 4)), 200);
}

TEST_F(SurfaceTest, ScalingAlphaLooksLikeDrawingAtThatOpacity) {
  const Argb colours[] = {MakeArgb(255, 200, 30, 10), MakeArgb(128, 0, 255, 64), MakeArgb(10, 90, 90, 90), Argb()};
  for (const int alpha : {220, 128, 1, 0}) {
    SCOPED_TRACE(alpha);
    Surface scaled(4, 1), drawn(4, 1);
    for (int x = 0; x < 4; ++x) {
      const UniqueBrush brush = SolidBrush(colours[x]);
      gdip::GdipSetCompositingMode(scaled.Graphics(), Gdiplus::CompositingModeSourceCopy);
      gdip::GdipFillRectangleI(scaled.Graphics(), brush.get(), x, 0, 1, 1);
    }
    DrawImageAlpha(drawn.Graphics(), scaled.Bitmap(), Rect{0, 0, 4, 1}, alpha);
    scaled.ScaleAlpha(alpha);
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t mine = scaled.Pixels()[x], theirs = drawn.Pixels()[x];
      for (int shift = 0; shift < 32; shift += 8)
        EXPECT_NEAR(static_cast<int>((mine >> shift) & 0xFF), static_cast<int>((theirs >> shift) & 0xFF), 1)
            << "pixel " << x << ", bits " << shift;
    }
  }
}

// Clearing writes every pixel, or only those within the graphics' clip while it has one,
// whether the colour is clear, opaque (written straight into the pixels) or neither.
TEST_F(SurfaceTest, ClearingKeepsToTheClip) {
  const Argb red = MakeArgb(255, 250, 0, 0);
  for (const Argb colour : {Argb(), MakeArgb(255, 0, 0, 200), MakeArgb(100, 0, 0, 200)}) {
    SCOPED_TRACE(colour.Value());
    Surface surface(6, 6);
    surface.Clear(red);
    gdip::GdipSetClipRectI(surface.Graphics(), 2, 2, 2, 3, Gdiplus::CombineModeReplace);
    surface.Clear(colour);
    EXPECT_EQ(surface.PixelAt(3, 4), surface.PixelAt(2, 2));
    EXPECT_NE(surface.PixelAt(2, 2), red);
    EXPECT_EQ(surface.PixelAt(1, 2), red);
    EXPECT_EQ(surface.PixelAt(4, 4), red);
    EXPECT_EQ(surface.PixelAt(3, 5), red);
    gdip::GdipResetClip(surface.Graphics());
    surface.Clear(colour);
    EXPECT_EQ(surface.PixelAt(0, 0), surface.PixelAt(2, 2));
    EXPECT_EQ(surface.PixelAt(5, 5), surface.PixelAt(2, 2));
  }
}

TEST_F(SurfaceTest, MovingKeepsThePixels) {
  Surface first(6, 6);
  first.Clear(MakeArgb(254, 1, 2, 3));
  Surface second = std::move(first);
  EXPECT_FALSE(first);  // NOLINT: moved-from surfaces are empty
  EXPECT_EQ(second.PixelAt(5, 5), MakeArgb(254, 1, 2, 3));
  second = Surface(3, 3);  // the old one is released in order
  EXPECT_EQ(second.Width(), 3);
  EXPECT_EQ(second.PixelAt(1, 1), Argb());
}

}  // namespace
}  // namespace getlink
