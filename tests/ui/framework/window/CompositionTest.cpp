// What the window puts on its canvas: the skin, the controls over it, dimming, clipping,
// and the window's own shape, size and caption row.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink::testing {
namespace {

constexpr Argb kRed = MakeArgb(255, 255, 0, 0);

class CompositionTest : public WindowTest {};

TEST_F(CompositionTest, TheSkinIsOpaqueInsideAndClearOutsideTheShadow) {
  const Argb inside = CanvasPixel(200, 200);
  EXPECT_EQ(AlphaOf(inside), 254);
  EXPECT_NEAR(RedOf(inside), 230, 1);
  EXPECT_EQ(AlphaOf(CanvasPixel(0, 0)), 0);   // the corner beyond the shadow
  EXPECT_GT(AlphaOf(CanvasPixel(200, 4)), 0);  // the edge shadow
  EXPECT_LT(AlphaOf(CanvasPixel(200, 4)), 60);
}

TEST_F(CompositionTest, AControlIsDrawnOverTheSkinAndItsAreaRestoredWhenItGoes) {
  RecordingControl control(kRed);
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  EXPECT_EQ(CanvasPixel(120, 110), kRed);
  control.Destroy();
  EXPECT_EQ(CanvasPixel(120, 110), window().Background().PixelAt(120, 110));
}

// Everything one pass changed goes to the screen in one UpdateLayeredWindow whose dirty
// rectangle covers each change (Windows updates only that part of the screen; Wine shows
// more, so the rectangle is read rather than the screen), and the pass takes one flush
// message however many changes asked for it.
TEST_F(CompositionTest, OnePassPresentsOnceWithADirtyRectangleCoveringEveryChange) {
  RecordingControl left(kRed), right(kRed), middle(kRed);
  ASSERT_TRUE(left.Create(hwnd(), {40, 100, 40, 24}));
  ASSERT_TRUE(right.Create(hwnd(), {360, 220, 40, 24}));
  ASSERT_TRUE(middle.Create(hwnd(), {200, 60, 20, 20}));
  Pump();
  const Argb blue = MakeArgb(255, 0, 0, 255);
  struct Case {
    const char* name;
    std::function<void()> change;  // queued before the window's thread gets to the queue
    std::vector<RecordingControl*> changed;
  };
  const Case cases[] = {
      {"two faded out",
       [&] {
         left.SetAlpha(0, false);
         right.SetAlpha(0, false);
         left.Invalidate();
         right.Invalidate();
       },
       {&left, &right}},
      {"two painted anew",
       [&] {
         right.SetColour(blue);
         left.SetColour(blue);
       },
       {&left, &right}},
      {"one hidden, one painted anew, one faded in",
       [&] {
         middle.SetVisible(false);
         right.SetColour(kRed);
         left.SetAlpha(255);
       },
       {&left, &middle, &right}},
  };
  const UINT flushMessage = ToMessage(FrameworkMessage::WmInvalidate);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hooked.clear();
    const long before = window().Composer().Presents();
    c.change();
    Pump();
    EXPECT_EQ(window().Composer().Presents() - before, 1);
    EXPECT_EQ(HookedCount(flushMessage), 1);
    const RECT dirty = window().Composer().LastPresentedDirty();
    for (const RecordingControl* control : c.changed) {
      const Rect r = control->PixelRect();
      const RECT box = {static_cast<LONG>(r.left), static_cast<LONG>(r.top), static_cast<LONG>(r.Right()),
                        static_cast<LONG>(r.Bottom())};
      RECT covered;
      UnionRect(&covered, &dirty, &box);
      EXPECT_TRUE(EqualRect(&covered, &dirty)) << "a change at " << box.left << "," << box.top << " left out";
    }
  }
}

// The window is put on the screen once for everything one message changed (here: what
// the end of a fetch changes), and not at all when nothing changed.
TEST_F(CompositionTest, ChangesMadeTogetherArePresentedOnceAndNoChangeNotAtAll) {
  UiButton button;
  ButtonOptions options;
  options.caption = "正在获取…";
  ASSERT_TRUE(button.Create(hwnd(), {100, 100, 80, 24}, options));
  button.SetDisabled(true);
  RecordingControl status(kRed);
  ASSERT_TRUE(status.Create(hwnd(), {100, 200, 200, 24}));
  Pump();
  long before = WindowComposer::PresentCount();
  Pump(100);
  EXPECT_EQ(WindowComposer::PresentCount(), before);

  const Argb blue = MakeArgb(255, 0, 0, 255);
  before = WindowComposer::PresentCount();
  status.SetColour(blue);
  button.SetCaption("开始获取");
  button.SetDisabled(false);  // which posts the button's pointer event
  window().SetFocusControl(&button, false);
  Pump();
  EXPECT_EQ(WindowComposer::PresentCount() - before, 1);
  EXPECT_EQ(window().Canvas().PixelAt(150, 210), blue);
}

TEST_F(CompositionTest, RepaintingATranslucentControlRestoresItsWholeRectangleFirst) {
  AttachWindowOptions options = DefaultOptions();
  options.opacity = 120;
  Reopen(options);
  RecordingControl control(MakeArgb(128, 255, 0, 0));
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  const Argb once = CanvasPixel(140, 112);
  for (int i = 0; i < 3; ++i) {
    control.Invalidate();
    Pump();
  }
  // Drawn over what was restored, not over its own last drawing: the same everywhere,
  // up to its last column and row.
  for (const POINT p : {POINT{140, 112}, POINT{100, 100}, POINT{179, 112}, POINT{140, 123}, POINT{179, 123}})
    EXPECT_EQ(CanvasPixel(p.x, p.y), once) << "at " << p.x << "," << p.y;
}

TEST_F(CompositionTest, InvalidatingEmptySkinRestoresOnlyTheSkin) {
  RecordingControl control(kRed);
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  Pump();
  window().InvalidateRect({90, 90, 200, 100});
  EXPECT_EQ(CanvasPixel(120, 110), kRed);
  EXPECT_EQ(CanvasPixel(250, 150), window().Background().PixelAt(250, 150));
}

TEST_F(CompositionTest, DisabledControlsAreDimmedUnlessTheyAnswerTheQuery) {
  RecordingControl control(kRed);
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  control.SetDisabled(true);
  const Argb dimmed = CanvasPixel(120, 110);
  EXPECT_NEAR(RedOf(dimmed), (255 + 230) / 2, 3);   // half red over the grey skin
  EXPECT_NEAR(GreenOf(dimmed), 230 / 2, 3);
  control.queryDimmingAnswer = 0;
  control.Invalidate();
  EXPECT_EQ(CanvasPixel(120, 110), kRed);
}

TEST_F(CompositionTest, ControlsFadeWithTheirAlpha) {
  RecordingControl control(kRed);
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  control.SetAlpha(0);
  EXPECT_EQ(CanvasPixel(120, 110), window().Background().PixelAt(120, 110));
  control.SetAlpha(255);
  EXPECT_EQ(CanvasPixel(120, 110), kRed);
}

TEST_F(CompositionTest, ChildrenAreCutAtTheirParent) {
  RecordingControl parent(MakeArgb(255, 0, 0, 255)), child(kRed);
  ASSERT_TRUE(parent.Create(hwnd(), {100, 100, 100, 50}));
  ASSERT_TRUE(child.Create(parent, {150, 120, 100, 60}));
  EXPECT_EQ(CanvasPixel(160, 130), kRed);
  EXPECT_EQ(CanvasPixel(220, 130), window().Background().PixelAt(220, 130));  // right of the parent
  EXPECT_EQ(CanvasPixel(160, 170), window().Background().PixelAt(160, 170));  // below it
}

TEST_F(CompositionTest, NothingPaintsOverTheBorder) {
  RecordingControl everything(kRed);
  ASSERT_TRUE(everything.Create(hwnd(), {0, 0, kWidth, kHeight}));
  EXPECT_EQ(CanvasPixel(200, 200), kRed);
  for (const POINT p : {POINT{200, 6}, POINT{6, 200}, POINT{200, kHeight - 6}, POINT{kWidth - 6, 200}, POINT{2, 2}})
    EXPECT_EQ(CanvasPixel(p.x, p.y), window().Background().PixelAt(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(CompositionTest, CaptionButtonsSitAtTheTopRight) {
  const std::vector<UiCaptionButton*> buttons = window().CaptionButtons();
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0]->Kind(), CaptionButtonKind::Close);
  EXPECT_EQ(buttons[0]->PixelRect(), (Rect{kWidth - 52.f, 7, 39, 19}));
  EXPECT_EQ(buttons[1]->Kind(), CaptionButtonKind::Minimise);
  EXPECT_EQ(buttons[1]->PixelRect(), (Rect{kWidth - 80.f, 7, 28, 19}));
}

TEST_F(CompositionTest, ResizingTellsTheApplicationBeforeTheSkinIsRepainted) {
  int seenWidth = 0, seenHeight = 0;
  float closeLeftDuringCallback = 0;
  UiCaptionButton* close = window().CaptionButtons().front();
  window().SetOnResize([&](HWND, int width, int height) {
    seenWidth = width;
    seenHeight = height;
    closeLeftDuringCallback = close->PixelRect().left;
  });
  SetWindowPos(hwnd(), nullptr, 0, 0, 500, 360, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(seenWidth, 500);
  EXPECT_EQ(seenHeight, 360);
  EXPECT_EQ(closeLeftDuringCallback, kWidth - 52.f);  // not yet laid out again
  EXPECT_EQ(close->PixelRect().left, 500 - 52.f);
  EXPECT_EQ(window().Canvas().Width(), 500);
  EXPECT_EQ(AlphaOf(CanvasPixel(480, 340)), 254);
}

TEST_F(CompositionTest, AWindowThatIsNotLayeredGetsARoundedRegion) {
  AttachWindowOptions options = DefaultOptions();
  options.opacity.reset();
  Reopen(options);
  EXPECT_FALSE(window().IsLayered());
  EXPECT_EQ(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  RECT box;
  const GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hwnd(), region.get()), ERROR);
  GetRgnBox(region.get(), &box);
  EXPECT_EQ(box.left, 6);
  EXPECT_EQ(box.top, 6);
  EXPECT_FALSE(PtInRegion(region.get(), 6, 6));  // the rounded corner
  EXPECT_TRUE(PtInRegion(region.get(), 200, 200));
  RecordingControl control(kRed);
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  EXPECT_EQ(CanvasPixel(120, 110), kRed);
}

TEST_F(CompositionTest, ASkinCrossFadeFreezesTheWindowUntilItEnds) {
  window().SetAnimationsOn(true);
  const Argb before = CanvasPixel(200, 200);
  window().SetSkin(std::nullopt, MakeColorRef(20, 40, 60), SkinRepaint::CrossFade);
  EXPECT_TRUE(window().Frozen());
  EXPECT_TRUE(PumpUntil([&] { return !window().Frozen(); }));  // five ticks of 50 ms
  const Argb after = CanvasPixel(200, 200);
  EXPECT_NE(after, before);
  EXPECT_NEAR(RedOf(after), 20, 1);
  EXPECT_EQ(window().SkinColour(), MakeColorRef(20, 40, 60));
}

TEST_F(CompositionTest, AWindowThatIsNotLayeredShowsANewSkinAtOnceInsteadOfFading) {
  AttachWindowOptions options = DefaultOptions();
  options.opacity.reset();
  options.animationsOn = true;
  Reopen(options);
  window().SetSkin(std::nullopt, MakeColorRef(20, 40, 60), SkinRepaint::CrossFade);
  EXPECT_FALSE(window().Frozen());
  const WindowDc screen(hwnd());
  EXPECT_EQ(ColorRef(GetPixel(screen.get(), 200, 200)), MakeColorRef(20, 40, 60));
}

TEST_F(CompositionTest, ASkinRepaintAsksEveryVisibleControlToRepaintFirst) {
  RecordingControl parent, child, hidden;
  ASSERT_TRUE(parent.Create(hwnd(), {100, 100, 100, 50}));
  ASSERT_TRUE(child.Create(parent, {110, 110, 20, 20}));
  ASSERT_TRUE(hidden.Create(hwnd(), {250, 100, 20, 20}));
  hidden.SetVisible(false);
  window().SetSkin(std::nullopt, MakeColorRef(20, 40, 60), SkinRepaint::Present);
  EXPECT_EQ(parent.Count(EventCode::EvRefresh), 1);
  EXPECT_EQ(child.Count(EventCode::EvRefresh), 1);
  EXPECT_EQ(hidden.Count(EventCode::EvRefresh), 0);
}

TEST_F(CompositionTest, ABorrowedSkinKeepsItsSourcesColour) {
  CreateWindowOptions create;
  create.width = 200;
  create.height = 150;
  const HWND popup = CreateUiWindow(nullptr, "", create);
  UiWindow borrower;
  AttachWindowOptions options = DefaultOptions();
  options.skinSource = hwnd();
  options.skinColour = MakeColorRef(1, 2, 3);
  ASSERT_TRUE(borrower.Attach(popup, options));
  EXPECT_EQ(borrower.SkinColour(), window().SkinColour());
  borrower.SetSkin(std::nullopt, MakeColorRef(4, 5, 6), SkinRepaint::Quiet);
  EXPECT_EQ(borrower.SkinColour(), window().SkinColour());
}

TEST_F(CompositionTest, AnIdleWindowGetsNoTimerMessages) {
  RecordingControl control;
  CreateControlOptions options;
  options.frameInterval = 60;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}, options));
  MouseMove(110, 110);
  MouseMove(300, 250);
  // No timer of the window (its skin fade, its fade clock) or of any control is armed.
  std::vector<UINT_PTR> timers = {window().Handle(), FadeClock::kTimerId};
  for (UiControl* c : window().Controls()) {
    EXPECT_TRUE(window().TimerIds(*c).empty());
    EXPECT_FALSE(window().Fading(*c));
  }
  for (const UINT_PTR id : timers) EXPECT_FALSE(KillTimer(hwnd(), id)) << id;
  hooked.clear();
  Pump(200);
  EXPECT_EQ(HookedCount(WM_TIMER), 0);
}

}  // namespace
}  // namespace getlink::testing
