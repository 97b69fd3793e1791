// The background picture at the size a window shows it: made once per size, not at every paint.
#include "ui/framework/window/SizedPicture.h"

#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/Image.h"

namespace getlink::testing {
namespace {

TEST(SizedPicture, ScalesOncePerSizeAndSource) {
  StartFramework();
  const UniqueBitmap picture = BitmapOf(450, 320, [](int x, int) { return MakeArgb(255, x % 256, 0, 0); });
  const UniqueBitmap other = BitmapOf(450, 320, [](int, int) { return MakeArgb(255, 0, 0, 200); });
  SizedPicture sizes;
  EXPECT_EQ(sizes.At(picture.get(), 450, 320), picture.get());  // at its own size: itself
  GpImage* grown = sizes.At(picture.get(), 675, 480);
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(ImageWidth(grown), 675);
  EXPECT_EQ(ImageHeight(grown), 480);
  EXPECT_EQ(sizes.At(picture.get(), 675, 480), grown);  // the next paint: the same copy
  GpImage* fromOther = sizes.At(other.get(), 675, 480);
  EXPECT_EQ(BlueOf(PixelAt(static_cast<GpBitmap*>(fromOther), 300, 200)), 200);  // a new source: made again
  EXPECT_EQ(ImageWidth(sizes.At(other.get(), 900, 640)), 900);
  EXPECT_EQ(sizes.At(nullptr, 675, 480), nullptr);
}

}  // namespace
}  // namespace getlink::testing
