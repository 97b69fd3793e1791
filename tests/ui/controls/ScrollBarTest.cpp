// The scroll bar: thumb arithmetic, dragging and its reports, the arrows' repeat, the
// setters' clamping, and the idle and full looks.
#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiScrollBar.h"

namespace getlink::testing {
namespace {

TEST(ScrollGeometry, ThumbLengthStartAndThePositionAtAPixel) {
  struct Case {
    ScrollOrientation orientation;
    int width, height;
    ScrollRange range;
    int thumbLength, thumbStart;
  };
  // A 120-pixel bar has a 100-pixel track from pixel 10.
  const Case cases[] = {
      {ScrollOrientation::Horizontal, 120, 10, {0, 100, 0}, 50, 10},
      {ScrollOrientation::Horizontal, 120, 10, {0, 100, 50}, 50, 35},
      {ScrollOrientation::Vertical, 10, 120, {0, 100, 100}, 50, 60},
      {ScrollOrientation::Horizontal, 120, 10, {0, 1000, 1000}, 30, 80},  // the shortest thumb
      {ScrollOrientation::Horizontal, 120, 10, {0, 0, 0}, 0, 10},         // nothing to scroll
      {ScrollOrientation::Horizontal, 40, 10, {0, 1000, 0}, 20, 10},      // never longer than the track
      {ScrollOrientation::Vertical, 10, 120, {-50, 50, 0}, 50, 35},       // a range below zero
  };
  for (const Case& c : cases) {
    const ScrollGeometry geometry(c.orientation, c.width, c.height, DefaultStyle().scrollBar);
    const int length = geometry.ThumbLength(c.range);
    EXPECT_EQ(length, c.thumbLength);
    EXPECT_EQ(geometry.ThumbStart(c.range, length), c.thumbStart);
    if (length == 0) continue;
    // Back from the thumb's start to the position, and pinned beyond either end.
    EXPECT_EQ(geometry.PixelToPosition(c.thumbStart, c.range, length), c.range.position);
    EXPECT_EQ(geometry.PixelToPosition(-100, c.range, length), c.range.minimum);
    EXPECT_EQ(geometry.PixelToPosition(1000, c.range, length), c.range.maximum);
  }
}

class ScrollBarTest : public WindowTest {
 protected:
  // A horizontal bar 120 x 10 at (100, 100): arrows at 100..108 and 211..219, track 110..209.
  UiScrollBar& Bar(ScrollBarOptions options = {}) {
    bar_ = std::make_unique<UiScrollBar>();
    EXPECT_TRUE(bar_->Create(hwnd(), {100, 100, 120, 10}, options));
    bar_->SetOnChange([this](UiControl* owner, int position) {
      EXPECT_EQ(owner, nullptr);
      reports.push_back(position);
    });
    return *bar_;
  }

  // Drags the thumb from its middle by each of `steps` pixels in turn, then releases.
  void DragThumb(UiScrollBar& bar, std::initializer_list<int> steps) {
    const Rect thumb = bar.ThumbRect();
    int x = 100 + static_cast<int>(thumb.left + thumb.width / 2);
    MouseMove(x, 105);
    LeftDown(x, 105);
    for (int step : steps) MouseMove(x += step, 105);
    LeftUp(x, 105);
  }

  std::vector<int> reports;

 private:
  std::unique_ptr<UiScrollBar> bar_;
};

TEST_F(ScrollBarTest, DraggingPinsAtTheEndsAndReportsAsTrackWhileDraggingSays) {
  for (const bool track : {true, false}) {
    SCOPED_TRACE(track ? "reports while dragging" : "reports on release");
    reports.clear();
    ScrollBarOptions options;
    options.trackWhileDragging = track;
    UiScrollBar& bar = Bar(options);
    DragThumb(bar, {10, 20, 400});
    EXPECT_EQ(bar.Position(), 100);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.size(), track ? 3u : 1u);
    EXPECT_EQ(reports.back(), 100);
    reports.clear();
    DragThumb(bar, {-500});
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(reports, std::vector<int>{0});
    reports.clear();
    DragThumb(bar, {0});  // a press on the thumb that does not move it
    EXPECT_TRUE(reports.empty());
  }
}

TEST_F(ScrollBarTest, ArrowsStepAtOnceThenRepeatUntilTheEndAndStop) {
  ScrollBarOptions options;
  options.maximum = 6;
  options.step = 2;
  UiScrollBar& bar = Bar(options);
  Click(215, 105);  // a quick click: one step
  EXPECT_EQ(reports, std::vector<int>{2});
  LeftDown(215, 105);  // held: repeats after a short delay, up to the end
  ASSERT_TRUE(PumpUntil([&] { return bar.Position() == 6; }));
  EXPECT_EQ(reports, (std::vector<int>{2, 4, 6}));
  hooked.clear();
  Pump(300);
  EXPECT_EQ(HookedCount(WM_TIMER), 0);  // pinned at the end: the timer stopped
  LeftUp(215, 105);
  Click(104, 105);
  EXPECT_EQ(bar.Position(), 4);
  Click(150, 105);  // the track: nothing moves
  EXPECT_EQ(bar.Position(), 4);
  EXPECT_EQ(reports.size(), 4u);
}

TEST_F(ScrollBarTest, APressCutShortStopsTheArrowAndPutsAnUnreportedThumbBack) {
  for (const PressCut cut : kPressCuts) {
    SCOPED_TRACE(Describe(cut));
    ScrollBarOptions options;
    options.maximum = 1000;
    options.trackWhileDragging = false;
    UiScrollBar& bar = Bar(options);
    LeftDown(215, 105);  // the arrow, held until it repeats
    ASSERT_TRUE(PumpUntil([&] { return bar.Position() >= 3; }));
    CutPress(cut);
    const int stopped = bar.Position();
    Pump(300);
    EXPECT_EQ(bar.Position(), stopped);

    reports.clear();
    const int x = 100 + static_cast<int>(bar.ThumbRect().left + 5);
    MouseMove(x, 105);
    LeftDown(x, 105);
    MouseMove(x + 30, 105);
    ASSERT_NE(bar.Position(), stopped);
    CutPress(cut);
    EXPECT_EQ(bar.Position(), stopped);  // back, since its report on release never comes
    MouseMove(x + 60, 105);              // no button down: the thumb stays
    EXPECT_EQ(bar.Position(), stopped);
    EXPECT_TRUE(reports.empty());
  }
}

TEST_F(ScrollBarTest, NothingToScrollShowsNoThumbAndReportsNothing) {
  ScrollBarOptions options;
  options.maximum = 0;
  options.autoHideArrows = false;
  UiScrollBar& bar = Bar(options);
  EXPECT_EQ(bar.ThumbLength(), 0);
  Click(215, 105);
  Click(104, 105);
  DragThumb(bar, {50});
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(bar.HotPart(), ScrollPart::None);
  // Arrows and track (fill and outline together below 90), but no thumb (110).
  EXPECT_EQ(CountPixels(SurfaceOf(bar), [](int x, int, Argb p) { return x >= 10 && x < 110 && AlphaOf(p) > 90; }),
            0);
}

TEST_F(ScrollBarTest, SettersKeepThePositionInsideTheRangeAndReportNothing) {
  UiScrollBar& bar = Bar();
  bar.SetPosition(150);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetMaximum(40);
  EXPECT_EQ(bar.Position(), 40);
  bar.SetMinimum(60);
  EXPECT_EQ(bar.Position(), 60);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 60);
  EXPECT_TRUE(reports.empty());
}

TEST_F(ScrollBarTest, ArrowsShowOnlyWhileThePointerIsOverAnAutoHidingBar) {
  UiScrollBar& bar = Bar();
  const auto arrowInk = [this, &bar] {
    return CountPixels(SurfaceOf(bar), [](int x, int, Argb p) { return x < 9 && AlphaOf(p) > 30; });
  };
  EXPECT_EQ(arrowInk(), 0);
  MouseMove(150, 105);
  EXPECT_GT(arrowInk(), 5);
  const int plain = arrowInk();
  MouseMove(104, 105);
  EXPECT_EQ(bar.HotPart(), ScrollPart::FirstArrow);
  EXPECT_GT(arrowInk(), plain);  // the hot arrow is darker and framed
  MouseMove(300, 250);
  EXPECT_EQ(arrowInk(), 0);
}

}  // namespace
}  // namespace getlink::testing
