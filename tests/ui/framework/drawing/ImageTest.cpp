#include "ui/framework/drawing/Image.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/Files.h"
#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/EmbeddedImages.h"

namespace getlink {
namespace {

// A 1 x 1 GIF of two frames, black for 10/100 s then white for 25/100 s.
const ByteSet kTwoFrameGif = {
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // screen 1 x 1, two-colour table
    0, 0, 0, 0xFF, 0xFF, 0xFF,                               // black, white
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,                           // delay 10
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0,       // frame: colour 0
    0x21, 0xF9, 4, 0, 25, 0, 0, 0,                           // delay 25
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 1, 0,       // frame: colour 1
    0x3B};

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFramework(); }
};

TEST_F(ImageTest, ASpriteStoredWithoutSignatureLoadsOnlyWithItPrepended) {
  const ByteSet stored = EmbeddedImageBytes(EmbeddedImage::CaptionButtons);
  ASSERT_GT(stored.size(), 100u);
  EXPECT_NE(stored[0], 0x89);  // no signature in the program's data
  EXPECT_FALSE(LoadImageFromBytes(stored, PngSignature::Stored));
  const Image sprite = LoadImageFromBytes(stored, PngSignature::Prepend);
  ASSERT_TRUE(sprite);
  EXPECT_EQ(sprite.Width(), 729);
  EXPECT_EQ(sprite.Height(), 20);
}

// The picture the skin stretches is scaled by the framework itself, bilinearly with the
// pixel centres of both sizes aligned (as GDI+ on Windows stretches with half-pixel offsets).
TEST_F(ImageTest, ScaledImageInterpolatesBetweenPixelCentres) {
  const UniqueBitmap gradient = testing::BitmapOf(9, 2, [](int x, int) { return MakeArgb(255, x * 30, 0, 0); });
  for (const int width : {4, 9, 20}) {
    SCOPED_TRACE(width);
    const UniqueBitmap scaled = ScaledImage(gradient.get(), width, 3);
    ASSERT_NE(scaled, nullptr);
    ASSERT_EQ(ImageWidth(scaled.get()), width);
    ASSERT_EQ(ImageHeight(scaled.get()), 3);
    for (int x = 0; x < width; ++x) {
      const double at = std::clamp((x + 0.5) * 9 / width - 0.5, 0.0, 8.0);
      EXPECT_NEAR(RedOf(PixelAt(scaled.get(), x, 2)), at * 30, 1.0) << "x " << x;
    }
  }
  EXPECT_EQ(ScaledImage(nullptr, 4, 4), nullptr);
  EXPECT_EQ(ScaledImage(gradient.get(), 0, 4), nullptr);
}

// Between an opaque and a clear pixel the colour stays, only the opacity falls: no dark
// fringe where a picture's transparent parts meet its colours.
TEST_F(ImageTest, ScaledImageMixesTransparencyWithoutDarkening) {
  const UniqueBitmap edge =
      testing::BitmapOf(2, 1, [](int x, int) { return x == 0 ? MakeArgb(255, 250, 250, 250) : Argb{0}; });
  const UniqueBitmap scaled = ScaledImage(edge.get(), 8, 1);
  ASSERT_NE(scaled, nullptr);
  int between = 0;
  for (int x = 0; x < 8; ++x) {
    const Argb pixel = PixelAt(scaled.get(), x, 0);
    if (AlphaOf(pixel) == 0) continue;
    EXPECT_GE(RedOf(pixel), 245) << "x " << x;
    between += AlphaOf(pixel) < 255 ? 1 : 0;
  }
  EXPECT_GT(between, 0);
}

TEST_F(ImageTest, NothingOrGarbageGivesNoImage) {
  EXPECT_FALSE(LoadImageFromBytes({}));
  EXPECT_FALSE(LoadImageFromBytes({}, PngSignature::Prepend));
  EXPECT_FALSE(LoadImageFromBytes({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}));
  EXPECT_EQ(ImageWidth(nullptr), 0);
  EXPECT_EQ(ImageFrameCount(nullptr), 0);
}

TEST_F(ImageTest, TheImageKeepsItsOwnCopyOfTheBytes) {
  Image image;
  {
    ByteSet bytes = EmbeddedImageBytes(EmbeddedImage::MessageBoxIcons);
    image = LoadImageFromBytes(bytes);
    std::fill(bytes.begin(), bytes.end(), 0);
  }
  ASSERT_TRUE(image);
  Surface surface(200, 40);
  gdip::GdipDrawImageRectI(surface.Graphics(), image.Get(), 0, 0, 200, 40);
  EXPECT_GT(AlphaOf(surface.PixelAt(20, 20)), 200);
  FreeImage(image);
  EXPECT_FALSE(image);
}

TEST_F(ImageTest, AStillPictureHasOneFrameAndNoDelays) {
  // The main window's picture, which the build puts beside the executables.
  const Image picture = LoadImageFromBytes(ReadFileBytes(RunDirectory() + "\\res\\ym.jpg"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.Width(), 450);
  EXPECT_EQ(picture.Height(), 320);
  EXPECT_EQ(ImageFrameCount(picture.Get()), 1);
  EXPECT_TRUE(ImageFrameDelays(picture.Get()).empty());

  const Image check = LoadEmbeddedImage(EmbeddedImage::MenuCheckMark);
  EXPECT_EQ(ImageFrameCount(check.Get()), 1);
  EXPECT_TRUE(ImageFrameDelays(check.Get()).empty());
}

TEST_F(ImageTest, AnAnimationListsItsFramesAndDelays) {
  const Image animation = LoadImageFromBytes(kTwoFrameGif);
  ASSERT_TRUE(animation);
  EXPECT_EQ(ImageFrameCount(animation.Get()), 2);
  EXPECT_EQ(ImageFrameDelays(animation.Get()), (std::vector<int>{10, 25}));

  auto* bitmap = static_cast<GpBitmap*>(animation.Get());
  SelectFrame(animation.Get(), 1);
  EXPECT_EQ(ToColorRef(PixelAt(bitmap, 0, 0)), ColorRef(0xFFFFFFu));
  SelectFrame(animation.Get(), 0);
  EXPECT_EQ(ToColorRef(PixelAt(bitmap, 0, 0)), ColorRef());
}

TEST_F(ImageTest, AverageColourIsTheMeanAsOnBlack) {
  const UniqueBitmap bitmap = testing::BitmapOf(4, 1, [](int x, int) {
    switch (x) {
      case 0: return MakeArgb(255, 255, 0, 0);
      case 1: return MakeArgb(255, 0, 0, 255);
      case 2: return MakeArgb(255, 0, 200, 0);
      default: return MakeArgb(0, 255, 255, 255);  // transparent counts as black
    }
  });
  EXPECT_EQ(AverageColour(bitmap.get()), MakeColorRef(63, 50, 63));
  EXPECT_EQ(AverageColour(bitmap.get(), Rect{0, 0, 2, 1}), MakeColorRef(127, 0, 127));
  EXPECT_EQ(AverageColour(bitmap.get(), Rect{2, 0, 5, 5}), MakeColorRef(0, 100, 0));  // cut at the edge
  EXPECT_EQ(AverageColour(bitmap.get(), Rect{10, 0, 2, 1}), ColorRef());
  EXPECT_EQ(AverageColour(nullptr), ColorRef());
}

TEST_F(ImageTest, PixelAtOutsideTheBitmapIsZero) {
  const UniqueBitmap bitmap = testing::BitmapOf(2, 2, [](int, int) { return MakeArgb(255, 1, 2, 3); });
  EXPECT_EQ(PixelAt(bitmap.get(), 1, 1), MakeArgb(255, 1, 2, 3));
  EXPECT_EQ(PixelAt(bitmap.get(), 2, 0), Argb());
  EXPECT_EQ(PixelAt(bitmap.get(), -1, 0), Argb());
  EXPECT_EQ(PixelAt(nullptr, 0, 0), Argb());
}

}  // namespace
}  // namespace getlink
