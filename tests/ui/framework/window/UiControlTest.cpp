// The base control in a real window: event bindings, moving and resizing, stacking,
// disabling, fading and destroying.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/controls/UiPicture.h"

namespace getlink::testing {
namespace {

using Codes = std::vector<EventCode>;

class UiControlTest : public WindowTest {
 protected:
  // Opens the window again with its animations on, and `control` on it, fading with
  // frames `frameInterval` ms apart.
  void OpenWithFadingControl(RecordingControl& control, int frameInterval) {
    AttachWindowOptions options = DefaultOptions();
    options.animationsOn = true;
    Reopen(options);
    CreateControlOptions create;
    create.frameInterval = frameInterval;
    ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}, create));
  }
};

TEST_F(UiControlTest, BindingACodeAgainReplacesTheHandler) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  int first = 0, second = 0;
  control.BindEvent(EventCode::EvClick, [&](UiControl*, UiControl&, const ControlEvent&) { ++first; });
  control.BindEvent(EventCode::EvClick, [&](UiControl*, UiControl&, const ControlEvent&) { ++second; });
  Click(30, 70);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
}

TEST_F(UiControlTest, DoubleClickBindingMatchesOnlyMarkedPresses) {
  RecordingControl doubleOnly, anyPress;
  ASSERT_TRUE(doubleOnly.Create(hwnd(), {20, 60, 80, 24}));
  ASSERT_TRUE(anyPress.Create(hwnd(), {120, 60, 80, 24}));
  int doubles = 0, presses = 0;
  doubleOnly.BindEvent(EventCode::LeftDoubleClick, [&](UiControl*, UiControl&, const ControlEvent& e) {
    EXPECT_EQ(e.code, EventCode::LeftDown);
    ++doubles;
  });
  anyPress.BindEvent(EventCode::LeftDown, [&](UiControl*, UiControl&, const ControlEvent&) { ++presses; });

  Click(30, 70);
  EXPECT_EQ(doubles, 0);
  DoubleClick(30, 70);
  LeftUp(30, 70);
  EXPECT_EQ(doubles, 1);

  Click(130, 70);
  DoubleClick(130, 70);
  LeftUp(130, 70);
  EXPECT_EQ(presses, 2);
  EXPECT_EQ(anyPress.Count(EventCode::EvClick), 2);  // a double click is a press too
}

TEST_F(UiControlTest, HandlersOfChildrenGetTheirParent) {
  RecordingControl parent, child;
  ASSERT_TRUE(parent.Create(hwnd(), {20, 60, 200, 100}));
  ASSERT_TRUE(child.Create(parent, {30, 70, 80, 24}));
  UiControl* seenParentOfChild = reinterpret_cast<UiControl*>(1);
  UiControl* seenParentOfTop = reinterpret_cast<UiControl*>(1);
  child.BindEvent(EventCode::EvClick, [&](UiControl* p, UiControl& c, const ControlEvent&) {
    seenParentOfChild = p;
    EXPECT_EQ(&c, &child);
  });
  parent.BindEvent(EventCode::EvClick, [&](UiControl* p, UiControl&, const ControlEvent&) { seenParentOfTop = p; });
  Click(40, 80);
  Click(200, 140);
  EXPECT_EQ(seenParentOfChild, &parent);
  EXPECT_EQ(seenParentOfTop, nullptr);
}

TEST_F(UiControlTest, MovesWithinTheToleranceChangeNothing) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Pump();
  control.Clear();
  hooked.clear();
  control.Move({20.00000001f, 60.f, 80.f, 24.f});
  Pump();
  EXPECT_TRUE(control.events.empty());
  EXPECT_EQ(HookedCount(ToMessage(FrameworkMessage::WmControlMoved)), 0);
}

TEST_F(UiControlTest, PureMoveSendsNoResizeOrPaint) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Pump();
  control.Clear();
  control.Move({50.f, 90.f});
  Pump();
  EXPECT_EQ(control.Codes(), (Codes{EventCode::EvMoved}));
  EXPECT_EQ(control.Count(EventCode::Paint), 0);
  EXPECT_EQ(control.PreviousPixelRect(), (Rect{20, 60, 80, 24}));
}

// At 120 DPI a control's place is given and read back in 96-DPI units and lies on the
// scaled pixels (edges rounded), through creating, moving and a parent's move.
TEST_F(UiControlTest, AtAnotherDpiGeometryIsInUnitsAndThePixelsAreScaled) {
  RECT suggested = {0, 0, kWidth * 5 / 4, kHeight * 5 / 4};
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
  ASSERT_EQ(window().Dpi(), 120);
  RecordingControl parent, child;
  ASSERT_TRUE(parent.Create(hwnd(), {20, 61, 81, 24}));
  ASSERT_TRUE(child.Create(parent, {30, 70, 9, 9}));
  struct Case {
    const char* step;
    std::function<void()> act;
    Rect units, pixels, childUnits;
  };
  const Case cases[] = {
      {"created", [] {}, {20, 61, 81, 24}, {25, 76, 101, 30}, {30, 70, 9, 9}},
      {"moved", [&] { parent.SetLeft(40); }, {40, 61, 81, 24}, {50, 76, 101, 30}, {50, 70, 9, 9}},
      {"resized", [&] { parent.Move({std::nullopt, 9.f, 33.f}); }, {40, 9, 33, 24}, {50, 11, 41, 30}, {50, 18, 9, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    c.act();
    EXPECT_EQ(parent.GetRect(), c.units);
    EXPECT_EQ(parent.Width(), static_cast<int>(c.units.width));
    EXPECT_EQ(parent.PixelRect(), c.pixels);
    EXPECT_EQ(parent.GetSurface().Width(), static_cast<int>(c.pixels.width));
    EXPECT_EQ(child.GetRect(), c.childUnits);
  }
}

TEST_F(UiControlTest, GrowingReplacesTheSurfaceThenResizesAndPaints) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Pump();
  control.Clear();
  control.Move({std::nullopt, std::nullopt, 120.f, 40.f});
  Pump();
  ASSERT_GE(control.events.size(), 3u);
  EXPECT_EQ(control.events[0].code, EventCode::EvResized);
  EXPECT_EQ(control.events[0].Size().width, 120);
  EXPECT_EQ(control.events[0].Size().height, 40);
  EXPECT_EQ(control.Count(EventCode::Paint), 1);  // after the resize, in the window's flush
  EXPECT_EQ(control.GetSurface().Width(), 120);
  EXPECT_EQ(control.GetSurface().Height(), 40);
}

TEST_F(UiControlTest, MovingAParentMovesEveryDescendant) {
  RecordingControl parent, child, grandchild;
  ASSERT_TRUE(parent.Create(hwnd(), {20, 60, 300, 200}));
  ASSERT_TRUE(child.Create(parent, {30, 70, 200, 100}));
  ASSERT_TRUE(grandchild.Create(child, {40, 80, 50, 20}));
  parent.Move({45.f, 50.f});
  EXPECT_EQ(child.GetRect(), (Rect{55, 60, 200, 100}));
  EXPECT_EQ(grandchild.GetRect(), (Rect{65, 70, 50, 20}));

  // Under itself or a descendant of its own is refused: the tree stays a tree.
  for (UiControl* below : std::initializer_list<UiControl*>{&parent, &child, &grandchild}) {
    parent.SetParentControl(below);
    EXPECT_EQ(parent.ParentControl(), nullptr);
  }
  child.SetParentControl(nullptr);  // onto the window, its own child along
  EXPECT_EQ(child.ParentControl(), nullptr);
  EXPECT_EQ(grandchild.ParentControl(), &child);
  EXPECT_EQ(std::count(window().Controls().begin(), window().Controls().end(), &child), 1);
}

TEST_F(UiControlTest, ZOrderKeepsTheOnlyControlAndDrawsIt) {
  RecordingControl control(MakeArgb(255, 0, 0, 255));
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  const std::size_t captionControls = window().Controls().size() - 1;
  control.ZOrder(UiControl::ZPosition::Bottom);
  EXPECT_EQ(window().Controls().size(), captionControls + 1);
  EXPECT_EQ(window().Controls().front(), &control);
  EXPECT_EQ(CanvasPixel(120, 110), MakeArgb(255, 0, 0, 255));
}

TEST_F(UiControlTest, ZOrderDecidesWhichSiblingIsOnTop) {
  RecordingControl red(MakeArgb(255, 255, 0, 0)), blue(MakeArgb(255, 0, 0, 255));
  ASSERT_TRUE(red.Create(hwnd(), {100, 100, 80, 24}));
  ASSERT_TRUE(blue.Create(hwnd(), {100, 100, 80, 24}));
  EXPECT_EQ(CanvasPixel(120, 110), MakeArgb(255, 0, 0, 255));
  blue.ZOrder(UiControl::ZPosition::Bottom);
  EXPECT_EQ(CanvasPixel(120, 110), MakeArgb(255, 255, 0, 0));
  Click(120, 110);
  EXPECT_EQ(red.Count(EventCode::EvClick), 1);
  EXPECT_EQ(blue.Count(EventCode::EvClick), 0);
}

TEST_F(UiControlTest, DisablingTheFocusedControlTakesTheFocusAway) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  Click(30, 70);
  ASSERT_EQ(window().Focused(), &control);
  control.Clear();
  control.SetDisabled(true);
  EXPECT_EQ(window().Focused(), nullptr);
  EXPECT_FALSE(control.IsFocused());
  Pump();
  EXPECT_EQ(control.Count(EventCode::EvFocusLost), 1);
  EXPECT_EQ(control.Count(EventCode::EvMouseLeave), 1);
  Click(30, 70);  // a disabled control is transparent to the mouse
  EXPECT_EQ(control.Count(EventCode::EvClick), 0);
}

TEST_F(UiControlTest, WithAnimationsOffFadesJumpAndNoTimerRuns) {
  RecordingControl control;
  CreateControlOptions options;
  options.frameInterval = 60;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}, options));
  control.SetFadeLevel(51);
  EXPECT_EQ(control.FadeLevel(), control.Alpha());
  control.SetAlpha(200);
  control.SetFadeLevel(0);
  EXPECT_EQ(control.FadeLevel(), 200);
  control.Repaint();
  window().Flush();
  EXPECT_FALSE(window().Fading(control));
  EXPECT_FALSE(KillTimer(hwnd(), FadeClock::kTimerId));  // no fade, so no timer armed
}

TEST_F(UiControlTest, WithAnimationsOnAFadeRunsToTheEndAndStops) {
  RecordingControl control;
  OpenWithFadingControl(control, 20);
  control.SetFadeLevel(51);
  EXPECT_EQ(control.FadeLevel(), 51);
  hooked.clear();
  control.Repaint();
  window().Flush();
  EXPECT_NE(control.FadeImage(), nullptr);  // the old look, fading out
  EXPECT_TRUE(PumpUntil([&] { return control.FadeLevel() == 255; }));
  EXPECT_EQ(control.FadeImage(), nullptr);
  // The window's fade clock stepped it: 51 -> 102 -> 153 -> 204 -> 255.
  EXPECT_EQ(HookedCount(WM_TIMER, [](const MSG& m) { return m.wParam == FadeClock::kTimerId; }), 4);
  EXPECT_FALSE(KillTimer(hwnd(), FadeClock::kTimerId));  // and no more
  EXPECT_EQ(control.Count(EventCode::Timer), 0);  // none of the control's own timers
}

TEST_F(UiControlTest, AFadeAndATimerOfTheControlsOwnRunAtOnceWithoutDisturbingEachOther) {
  RecordingControl control;
  OpenWithFadingControl(control, 60);
  enum class Own { Tick = 7 };
  const auto ownTicks = [&control] {
    int ticks = 0;
    for (const ControlEvent& e : control.events) {
      if (e.code != EventCode::Timer) continue;
      EXPECT_TRUE(e.Get<TimerInput>().purpose.Is(Own::Tick));  // never a fade's step
      ++ticks;
    }
    return ticks;
  };
  const auto fade = [this, &control] {
    control.SetFadeLevel(0);  // five steps of the window's clock
    control.Repaint();
    window().Flush();
  };

  control.StartTimer(Own::Tick, 20);
  fade();
  ASSERT_TRUE(window().Fading(control));
  EXPECT_TRUE(PumpUntil([&] { return control.FadeLevel() == control.Alpha(); }));
  EXPECT_FALSE(window().Fading(control));
  // The fade's end leaves the control's own timer running.
  const int ticksAfterFade = ownTicks();
  EXPECT_GT(ticksAfterFade, 0);
  EXPECT_TRUE(PumpUntil([&] { return ownTicks() >= ticksAfterFade + 3; }));

  // And stopping the control's own timer leaves a fade running.
  fade();
  control.StopTimer(Own::Tick);
  EXPECT_TRUE(window().TimerIds(control).empty());
  EXPECT_TRUE(PumpUntil([&] { return control.FadeLevel() == control.Alpha(); }));
}

// Two fades of different frame intervals at once: the clock ticks at the shorter one, and
// the slower control steps on every third tick (60 ms) while it does; once the quick fade
// has ended the clock ticks at 60 ms and the slow one steps on each tick.
TEST_F(UiControlTest, FadesOfDifferentIntervalsKeepEachItsOwnPace) {
  RecordingControl quick, slow;
  OpenWithFadingControl(quick, 20);
  CreateControlOptions create;
  create.frameInterval = 60;
  ASSERT_TRUE(slow.Create(hwnd(), {200, 60, 80, 24}, create));
  Pump();
  std::vector<std::pair<int, int>> levels;  // quick's and slow's, as each tick arrives
  window().SetMessageHook([&](HWND, UINT msg, WPARAM wparam, LPARAM) {
    if (msg == WM_TIMER && wparam == FadeClock::kTimerId) levels.emplace_back(quick.FadeLevel(), slow.FadeLevel());
    return kNotHandled;
  });
  for (RecordingControl* control : {&quick, &slow}) {
    control->SetFadeLevel(0);  // five steps of 51
    control->Repaint();
  }
  window().Flush();
  ASSERT_TRUE(PumpUntil([&] { return !window().Fading(quick) && !window().Fading(slow); }));
  const std::vector<std::pair<int, int>> expected = {{0, 0},     {51, 0},    {102, 0},   {153, 51},  {204, 51},
                                                     {255, 51},  {255, 102}, {255, 153}, {255, 204}};
  EXPECT_EQ(levels, expected);
}

// A control that another one changes while the flush paints is painted in that flush.
TEST_F(UiControlTest, AControlChangedWhileTheWindowPaintsIsPaintedInTheSameFlush) {
  RecordingControl first, second;
  ASSERT_TRUE(first.Create(hwnd(), {20, 60, 80, 24}));
  ASSERT_TRUE(second.Create(hwnd(), {200, 60, 80, 24}));
  Pump();
  const Argb blue = MakeArgb(255, 0, 0, 255);
  first.onEvent = [&](const ControlEvent& e) {
    if (e.code == EventCode::Paint) second.SetColour(blue);
  };
  const long before = WindowComposer::PresentCount();
  first.Repaint();
  Pump();
  EXPECT_EQ(window().Canvas().PixelAt(240, 70), blue);
  EXPECT_EQ(WindowComposer::PresentCount() - before, 1);
}

// Painting reads a control's state and changes none: a repaint (here the one a new size
// asks for) leaves the look shown, a fade under way and an animation's next frame alone.
TEST_F(UiControlTest, ARepaintChangesNothingButPixels) {
  AttachWindowOptions options = DefaultOptions();
  options.animationsOn = true;
  Reopen(options);
  UiCaptionButton& close = *window().CaptionButtons().front();
  UiButton button;
  ASSERT_TRUE(button.Create(hwnd(), {100, 100, 80, 24}));
  UiPicture picture;
  UiPicture::Options animated;
  animated.image = TwoFrameGif();
  ASSERT_TRUE(picture.Create(hwnd(), {100, 150, 20, 20}, animated));
  Pump();
  const Rect closeRect = close.PixelRect();
  MouseMove(static_cast<int>(closeRect.left) + 4, static_cast<int>(closeRect.top) + 4);
  window().SetFocusControl(&button, false);  // starts a fade of one tick
  struct Case {
    const char* name;
    UiControl& control;
    std::function<int()> state;
  };
  const Case cases[] = {
      {"the caption button's hot look", close, [&] { return static_cast<int>(close.PaintedState()); }},
      {"the button's fade", button, [&] { return button.FadeLevel(); }},
      {"the picture's next frame", picture, [&] { return picture.FrameIndex(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = c.state();
    c.control.SetWidth(c.control.Width() + 2);
    window().Flush();
    EXPECT_EQ(c.state(), before);
  }
  EXPECT_LT(button.FadeLevel(), button.Alpha());  // the fade was under way
}

TEST_F(UiControlTest, DestroyingIsSafeAndTheControlCanBeCreatedAgain) {
  RecordingControl never;
  never.Destroy();
  EXPECT_FALSE(never.IsCreated());

  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  const std::size_t count = window().Controls().size();
  control.Destroy();
  EXPECT_FALSE(control.IsCreated());
  EXPECT_EQ(window().Controls().size(), count - 1);
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  control.Clear();
  Click(30, 70);
  EXPECT_EQ(control.Count(EventCode::EvClick), 1);
}

TEST_F(UiControlTest, EveryWayOfEndingRunsTheDestroyHandlingOnce) {
  enum class Ending { Destroy, DestroyWindow, Delete };
  for (const Ending ending : {Ending::Destroy, Ending::DestroyWindow, Ending::Delete}) {
    SCOPED_TRACE(static_cast<int>(ending));
    Reopen(DefaultOptions());
    int seenByClass = 0, seenByHandler = 0;
    auto control = std::make_unique<RecordingControl>();
    ASSERT_TRUE(control->Create(hwnd(), {20, 60, 80, 24}));
    control->onEvent = [&](const ControlEvent& e) { seenByClass += e.code == EventCode::Destroy ? 1 : 0; };
    control->BindEvent(EventCode::Destroy, [&](UiControl*, UiControl& c, const ControlEvent&) {
      ++seenByHandler;
      c.Destroy();  // destroying again from the handler does nothing
    });
    if (ending == Ending::Destroy) control->Destroy();
    if (ending == Ending::DestroyWindow) DestroyWindow(hwnd());
    if (ending == Ending::Delete) control.reset();
    if (control != nullptr) control->Destroy();
    control.reset();
    EXPECT_EQ(seenByClass, 1);
    EXPECT_EQ(seenByHandler, 1);
  }
}

TEST_F(UiControlTest, AnEventPostedToADestroyedControlIsDropped) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));
  control.PostEvent(EventCode::EvClick);
  control.Destroy();
  ASSERT_TRUE(control.Create(hwnd(), {20, 60, 80, 24}));  // same object, a new life
  control.Clear();
  Pump();
  EXPECT_EQ(control.Count(EventCode::EvClick), 0);
}

TEST_F(UiControlTest, CreatingUnderAControlOfAClosedWindowFails) {
  RecordingControl parent, child;
  ASSERT_TRUE(parent.Create(hwnd(), {20, 60, 200, 100}));
  DestroyWindow(hwnd());
  EXPECT_FALSE(parent.IsCreated());  // the window destroyed its controls
  EXPECT_FALSE(child.Create(parent, {30, 70, 50, 20}));
  EXPECT_FALSE(child.IsCreated());
}

TEST_F(UiControlTest, HiddenControlsAreNeitherDrawnNorHit) {
  RecordingControl control(MakeArgb(255, 0, 0, 255));
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  const Argb shown = CanvasPixel(120, 110);
  control.SetVisible(false);
  EXPECT_EQ(control.Count(EventCode::EvHidden), 1);
  EXPECT_EQ(CanvasPixel(120, 110), window().Background().PixelAt(120, 110));
  EXPECT_NE(CanvasPixel(120, 110), shown);
  Click(120, 110);
  EXPECT_EQ(control.Count(EventCode::EvClick), 0);
  control.SetVisible(true);
  EXPECT_EQ(control.Count(EventCode::EvShown), 1);
  EXPECT_EQ(CanvasPixel(120, 110), shown);
}

}  // namespace
}  // namespace getlink::testing
