#include "ui/framework/drawing/ImageDrawing.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Image.h"

namespace getlink {
namespace {

const Argb kRed = MakeArgb(255, 255, 0, 0);
const Argb kBlue = MakeArgb(255, 0, 0, 255);
const Argb kGreen = MakeArgb(255, 0, 160, 0);
const Argb kGrey = MakeArgb(255, 128, 128, 128);

// 12 x 12: 4 x 4 corners in a red and blue checkerboard, green edges, grey centre.
Argb GridPixel(int x, int y) {
  const bool edgeColumn = x < 4 || x >= 8, edgeRow = y < 4 || y >= 8;
  if (edgeColumn && edgeRow) return (x + y) % 2 ? kRed : kBlue;
  if (edgeColumn || edgeRow) return kGreen;
  return kGrey;
}

bool Near(Argb a, Argb b, int tolerance = 2) {
  return std::abs(AlphaOf(a) - AlphaOf(b)) <= tolerance && std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance && std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

class ImageDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFramework(); }
};

TEST_F(ImageDrawingTest, TheNineGridKeepsTheCornersUnscaled) {
  const UniqueBitmap grid = testing::BitmapOf(12, 12, GridPixel);
  Surface surface(70, 50);
  DrawImageNineGrid(surface.Graphics(), grid.get(), Rect{5, 5, 60, 40}, Margins{4, 4, 4, 4});
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(surface.PixelAt(5 + x, 5 + y), GridPixel(x, y)) << "top-left " << x << "," << y;
      EXPECT_EQ(surface.PixelAt(61 + x, 5 + y), GridPixel(8 + x, y)) << "top-right " << x << "," << y;
      EXPECT_EQ(surface.PixelAt(5 + x, 41 + y), GridPixel(x, 8 + y)) << "bottom-left " << x << "," << y;
      EXPECT_EQ(surface.PixelAt(61 + x, 41 + y), GridPixel(8 + x, 8 + y)) << "bottom-right " << x << "," << y;
    }
  }
  // Edges and centre are stretched, without seams or fading at their ends.
  for (int x = 9; x < 61; ++x) {
    EXPECT_EQ(surface.PixelAt(x, 5), kGreen) << x;
    EXPECT_EQ(surface.PixelAt(x, 25), kGrey) << x;
  }
  for (int y = 9; y < 41; ++y) EXPECT_EQ(surface.PixelAt(5, y), kGreen) << y;
  EXPECT_EQ(surface.PixelAt(4, 25), Argb());  // nothing outside the destination
  EXPECT_EQ(surface.PixelAt(65, 25), Argb());
}

TEST_F(ImageDrawingTest, APartDrawnAtItsOwnSizeIsAnExactCopy) {
  const Image sprite = LoadEmbeddedImage(EmbeddedImage::CaptionButtons);
  const Rect cell = CaptionButtonCell(CaptionButtonKind::Close, 1, false);
  Surface surface(39, 19);
  DrawImagePart(surface.Graphics(), sprite.Get(), cell, Rect{0, 0, 39, 19});
  auto* source = static_cast<GpBitmap*>(sprite.Get());
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 39; ++x)
      ASSERT_TRUE(Near(surface.PixelAt(x, y), PixelAt(source, 40 + x, 1 + y))) << x << "," << y;
}

TEST_F(ImageDrawingTest, StretchingFillsTheWholeDestinationAndAlphaScalesOpacity) {
  const UniqueBitmap red = testing::BitmapOf(4, 4, [](int, int) { return kRed; });
  Surface surface(30, 12);
  DrawImageAlpha(surface.Graphics(), red.get(), Rect{0, 0, 8, 8}, 128);
  DrawImageAlpha(surface.Graphics(), red.get(), Rect{9, 1, 12, 9});
  EXPECT_TRUE(Near(surface.PixelAt(4, 4), MakeArgb(128, 255, 0, 0)));
  EXPECT_EQ(AlphaOf(surface.PixelAt(7, 7)), 128);  // stretched to its edges, not faded there
  EXPECT_EQ(surface.PixelAt(8, 4), Argb());
  // Every pixel of the destination, first and last rows and columns included.
  EXPECT_EQ(testing::CountPixels(surface, [](int x, int, Argb p) { return x >= 9 && p == kRed; }), 12 * 9);
  EXPECT_EQ(testing::CountPixels(surface, [](int x, int, Argb p) { return x >= 9 && p != Argb(); }), 12 * 9);
  DrawImageAlpha(surface.Graphics(), red.get(), Rect{22, 0, 8, 12}, 0);
  EXPECT_EQ(surface.PixelAt(25, 5), Argb());
}

TEST_F(ImageDrawingTest, NaturalSizeCentredOrAtTheCorner) {
  const UniqueBitmap blue = testing::BitmapOf(10, 10, [](int, int) { return kBlue; });
  Surface centred(30, 20), corner(30, 20);
  DrawImageNatural(centred.Graphics(), blue.get(), Rect{0, 0, 30, 20}, true);
  DrawImageNatural(corner.Graphics(), blue.get(), Rect{3, 2, 30, 20}, false);
  const auto inked = [](const Surface& s) {
    return testing::CountPixels(s, [](int, int, Argb p) { return p != Argb(); });
  };
  EXPECT_EQ(inked(centred), 100);
  EXPECT_EQ(centred.PixelAt(10, 5), kBlue);
  EXPECT_EQ(centred.PixelAt(19, 14), kBlue);
  EXPECT_EQ(inked(corner), 100);
  EXPECT_EQ(corner.PixelAt(3, 2), kBlue);
  EXPECT_EQ(corner.PixelAt(12, 11), kBlue);
}

}  // namespace
}  // namespace getlink
