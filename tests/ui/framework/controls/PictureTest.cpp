// The picture control: frames and their delays, its timer, icons and placement.
#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/controls/UiPicture.h"

namespace getlink::testing {
namespace {

// A 4 x 4 PNG, opaque green.
ByteSet StillPng() {
  UniqueBitmap bitmap = BitmapOf(4, 4, [](int, int) { return MakeArgb(255, 0, 200, 0); });
  return EncodePng(bitmap.get());
}

class PictureTest : public WindowTest {
 protected:
  // The id of the picture's frame timer (0 when it runs none).
  UINT_PTR FrameTimer(UiPicture& picture) {
    const std::vector<UINT_PTR> ids = window().TimerIds(picture);
    return ids.size() == 1 ? ids.front() : 0;
  }
  // Waits for a tick of that timer (true) or gives up after a generous while.
  bool WaitForTick(UINT_PTR timer) {
    int ticks = 0;
    window().SetMessageHook([&](HWND, UINT msg, WPARAM wparam, LPARAM) {
      if (msg == WM_TIMER && wparam == timer) ++ticks;
      return kNotHandled;
    });
    const bool ticked = PumpUntil([&] { return ticks > 0; });
    window().SetMessageHook(nullptr);
    return ticked;
  }
  // Whether the timer is armed; asking stops it.
  bool TimerArmed(UINT_PTR timer) { return KillTimer(hwnd(), timer) != FALSE; }
};

TEST_F(PictureTest, ZeroDelaysBecomeTenWhenAskedAndFramesPlay) {
  UiPicture picture;
  UiPicture::Options options;
  options.fixZeroDelays = true;
  options.image = TwoFrameGif();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 100, 20, 20}, options));
  EXPECT_EQ(picture.FrameCount(), 2);
  EXPECT_EQ(picture.FrameDelays(), (std::vector<int>{10, 10}));
  const Argb first = SurfaceOf(picture).PixelAt(10, 10);
  EXPECT_EQ(first, MakeArgb(255, 255, 0, 0));
  EXPECT_TRUE(PumpUntil([&] { return SurfaceOf(picture).PixelAt(10, 10) == MakeArgb(255, 0, 0, 255); }));

  UiPicture raw;
  options.fixZeroDelays = false;
  ASSERT_TRUE(raw.Create(hwnd(), {150, 100, 20, 20}, options));
  EXPECT_EQ(raw.FrameDelays(), (std::vector<int>{0, 0}));
}

TEST_F(PictureTest, WithoutAnimationTheTimerFiresOnceAndStops) {
  UiPicture picture;
  UiPicture::Options options;
  options.animate = false;
  options.image = TwoFrameGif();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 100, 20, 20}, options));
  const UINT_PTR timer = FrameTimer(picture);
  ASSERT_NE(timer, 0u);
  ASSERT_TRUE(WaitForTick(timer));
  EXPECT_FALSE(TimerArmed(timer));  // killed by that tick
  EXPECT_EQ(SurfaceOf(picture).PixelAt(10, 10), MakeArgb(255, 255, 0, 0));  // stays on frame 1
}

TEST_F(PictureTest, SwitchingAnimationOffAndOnStartsOverAtTheFirstFrame) {
  UiPicture picture;
  UiPicture::Options options;
  options.image = TwoFrameGif();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 100, 20, 20}, options));
  picture.SetAnimate(false);
  EXPECT_EQ(SurfaceOf(picture).PixelAt(10, 10), MakeArgb(255, 255, 0, 0));
  ASSERT_TRUE(WaitForTick(FrameTimer(picture)));
  EXPECT_EQ(SurfaceOf(picture).PixelAt(10, 10), MakeArgb(255, 255, 0, 0));
  picture.SetAnimate(true);
  EXPECT_EQ(SurfaceOf(picture).PixelAt(10, 10), MakeArgb(255, 255, 0, 0));
  EXPECT_EQ(picture.FrameIndex(), 1);  // the next frame is due
}

TEST_F(PictureTest, AStillImageHasOneFrameOfTenHundredths) {
  UiPicture picture;
  UiPicture::Options options;
  options.placement = UiPicture::Placement::Centred;
  options.backColour = MakeArgb(255, 255, 255, 255);
  options.image = StillPng();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 100, 20, 20}, options));
  EXPECT_EQ(picture.FrameCount(), 1);
  EXPECT_EQ(picture.FrameDelays(), (std::vector<int>{10}));
  EXPECT_EQ(SurfaceOf(picture).PixelAt(10, 10), MakeArgb(255, 0, 200, 0));  // the image, centred
  EXPECT_EQ(SurfaceOf(picture).PixelAt(2, 2), MakeArgb(255, 255, 255, 255));  // the back colour
}

TEST_F(PictureTest, AnIconKeepsItsTransparency) {
  // Left half opaque blue, right half fully transparent.
  UniqueBitmap source = BitmapOf(16, 16, [](int x, int) { return x < 8 ? MakeArgb(255, 0, 0, 255) : Argb(); });
  HICON icon = nullptr;
  ASSERT_EQ(gdip::GdipCreateHICONFromBitmap(source.get(), &icon), Gdiplus::Ok);
  UiPicture picture;
  ASSERT_TRUE(picture.CreateFromIcon(hwnd(), {100, 100, 16, 16}, icon, {}));
  DestroyIcon(icon);
  EXPECT_EQ(SurfaceOf(picture).PixelAt(3, 8), MakeArgb(255, 0, 0, 255));
  EXPECT_EQ(AlphaOf(SurfaceOf(picture).PixelAt(12, 8)), 0);
  EXPECT_EQ(CanvasPixel(112, 108), window().Background().PixelAt(112, 108));
}

TEST_F(PictureTest, ADisabledPictureDrawsNothingNew) {
  UiPicture picture;
  UiPicture::Options options;
  options.animate = false;
  options.image = StillPng();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 100, 20, 20}, options));
  picture.SetDisabled(true);
  const int index = picture.FrameIndex();
  picture.ShowNextFrame();
  EXPECT_EQ(picture.FrameIndex(), index + 1);
}

}  // namespace
}  // namespace getlink::testing
