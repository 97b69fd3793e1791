// The group box: the frame line through the caption's middle, broken where the caption
// sits, the caption's alignment, the fill, and corners taken from the window.
#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiGroupBox.h"

namespace getlink::testing {
namespace {

bool Inked(Argb pixel) { return AlphaOf(pixel) > 40; }

using GroupBoxTest = WindowTest;

TEST_F(GroupBoxTest, TheTopLineIsBrokenWhereTheCaptionSitsAndWholeWithout) {
  struct Case {
    const char* caption;
    CaptionAlign align;
  };
  const Case cases[] = {{"", CaptionAlign::Left},
                        {"靠左的标题", CaptionAlign::Left},
                        {"居中的标题", CaptionAlign::Centre},
                        {"靠右的标题", CaptionAlign::Right}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    UiGroupBox box;
    GroupBoxOptions options;
    options.caption = c.caption;
    options.captionAlign = c.align;
    options.captionColour = Argb();  // invisible text: the line row shows the gap alone
    options.borderColour = MakeArgb(255, 0, 0, 0);
    ASSERT_TRUE(box.Create(hwnd(), {40, 60, 200, 80}, options));
    const Surface& s = SurfaceOf(box);
    const int line = box.CaptionHeight() / 2 + 1;
    EXPECT_EQ(static_cast<int>(box.FrameRect().top), line);
    const Rect caption = box.CaptionRect();
    const bool hasCaption = !box.GetOptions().caption.empty();
    for (int x = 8; x < 192; ++x) {
      const float outside = std::max(caption.left - x, x + 1 - caption.Right());
      if (hasCaption && outside <= 0) {
        EXPECT_FALSE(Inked(s.PixelAt(x, line))) << x;  // under the caption
      } else if (!hasCaption || outside > 3) {
        EXPECT_TRUE(Inked(s.PixelAt(x, line))) << x;
      }
    }
    EXPECT_EQ(CountPixels(s, [line](int, int y, Argb p) { return y < line && Inked(p); }), 0);
    if (!hasCaption) continue;
    EXPECT_GE(caption.width, 50);  // the whole caption, measured
    const float middle = caption.left + caption.width / 2;
    switch (c.align) {
      case CaptionAlign::Left: EXPECT_LT(caption.left, 16); break;
      case CaptionAlign::Centre: EXPECT_NEAR(middle, 100, 1); break;
      case CaptionAlign::Right: EXPECT_GT(caption.Right(), 184); break;
    }
  }
}

TEST_F(GroupBoxTest, TheCaptionIsDrawnWhole) {
  UiGroupBox box;
  GroupBoxOptions options;
  options.caption = "一二三四五";
  options.captionColour = MakeArgb(255, 0, 0, 0);
  options.borderColour = Argb();
  ASSERT_TRUE(box.Create(hwnd(), {40, 60, 200, 80}, options));
  int left = 200, right = -1;
  CountPixels(SurfaceOf(box), [&](int x, int, Argb p) {
    if (AlphaOf(p) > 150) left = std::min(left, x), right = std::max(right, x);
    return false;
  });
  EXPECT_GE(right - left, 55);  // five characters of 12 pixels, the last one too
}

TEST_F(GroupBoxTest, FillAndCornersFollowTheOptionsOrTheWindow) {
  struct Case {
    int cornerRadius;
    std::optional<bool> roundCorners;
    std::optional<Argb> fill;
    bool expectRound;
  };
  const Case cases[] = {
      {kRoundCorners, std::nullopt, std::nullopt, true},
      {kSquareCorners, std::nullopt, MakeArgb(255, 200, 220, 240), false},
      {kSquareCorners, true, std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cornerRadius);
    AttachWindowOptions options = DefaultOptions();
    options.cornerRadius = c.cornerRadius;
    Reopen(options);
    UiGroupBox box;
    GroupBoxOptions boxOptions;
    boxOptions.fillColour = c.fill;
    boxOptions.roundCorners = c.roundCorners;
    boxOptions.borderColour = MakeArgb(255, 0, 0, 0);
    ASSERT_TRUE(box.Create(hwnd(), {40, 60, 120, 60}, boxOptions));
    EXPECT_EQ(box.RoundCorners(), c.expectRound);
    const Surface& s = SurfaceOf(box);
    EXPECT_EQ(Inked(s.PixelAt(1, 1)), !c.expectRound);  // the frame's corner
    EXPECT_EQ(s.PixelAt(60, 30), c.fill.value_or(Argb()));
  }
}

}  // namespace
}  // namespace getlink::testing
