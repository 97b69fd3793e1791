// The caption row: the sprite cell each button shows, and the window commands it sends.
#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/controls/UiCaptionButton.h"

namespace getlink::testing {
namespace {

class CaptionButtonTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    AttachWindowOptions options = DefaultOptions();
    options.captionFlags = CaptionFlag::Close | CaptionFlag::Maximise | static_cast<int>(CaptionFlag::Minimise);
    Reopen(options);
  }

  UiCaptionButton& Button(CaptionButtonKind kind) {
    for (UiCaptionButton* button : window().CaptionButtons())
      if (button->Kind() == kind) return *button;
    ADD_FAILURE() << "no such caption button";
    return *window().CaptionButtons().front();
  }

  // Whether the button shows exactly the sprite cell (animations are off: no fading).
  bool ShowsCell(const UiCaptionButton& button, int state, bool maximised) {
    const Surface& shown = SurfaceOf(button);
    Surface expected(shown.Width(), shown.Height());
    DrawImagePart(expected.Graphics(), CaptionButtonImage(), CaptionButtonCell(button.Kind(), state, maximised),
                  {0, 0, static_cast<float>(shown.Width()), static_cast<float>(shown.Height())});
    return CountPixels(shown, [&](int x, int y, Argb p) { return p != expected.PixelAt(x, y); }) == 0;
  }

  void ClickButton(UiCaptionButton& button) {
    const Rect r = button.PixelRect();
    Click(static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2));
  }

  int Commands(WPARAM command) {
    return HookedCount(WM_SYSCOMMAND, [command](const MSG& m) { return (m.wParam & 0xFFF0) == command; });
  }
};

TEST_F(CaptionButtonTest, ButtonsShowTheirNormalHotAndPressedCells) {
  UiCaptionButton& close = Button(CaptionButtonKind::Close);
  EXPECT_TRUE(ShowsCell(close, 0, false));
  const Rect r = close.PixelRect();
  MouseMove(static_cast<int>(r.left) + 4, static_cast<int>(r.top) + 4);
  EXPECT_EQ(close.PaintedState(), UiCaptionButton::State::Hot);
  EXPECT_TRUE(ShowsCell(close, 1, false));
  hookAnswers.push_back({WM_CLOSE, 0});
  LeftDown(static_cast<int>(r.left) + 4, static_cast<int>(r.top) + 4);
  EXPECT_TRUE(ShowsCell(close, 2, false));
  MouseMove(200, 200);
  LeftUp(200, 200);
  EXPECT_EQ(close.PaintedState(), UiCaptionButton::State::Normal);
  EXPECT_EQ(HookedCount(WM_CLOSE), 0);
}

TEST_F(CaptionButtonTest, MaximiseFollowsTheWindowStateBothWays) {
  UiCaptionButton& maximise = Button(CaptionButtonKind::Maximise);
  EXPECT_TRUE(ShowsCell(maximise, 0, false));
  ClickButton(maximise);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) != FALSE; }));
  EXPECT_TRUE(ShowsCell(maximise, 0, true));  // the restore glyph
  ClickButton(maximise);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(hwnd()) == FALSE; }));
  EXPECT_TRUE(ShowsCell(maximise, 0, false));
  EXPECT_EQ(maximise.PixelRect().left, kWidth - 52.f - 28.f);
}

TEST_F(CaptionButtonTest, MinimiseDoesNothingOnAMinimisedWindow) {
  UiCaptionButton& minimise = Button(CaptionButtonKind::Minimise);
  ClickButton(minimise);
  EXPECT_EQ(Commands(SC_MINIMIZE), 1);
  ShowWindow(hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(hwnd()) != FALSE; }));
  hooked.clear();
  minimise.SendEvent(EventCode::EvClick);
  Pump();
  EXPECT_EQ(Commands(SC_MINIMIZE), 0);
}

TEST_F(CaptionButtonTest, CloseGoesThroughTheMessageHook) {
  hookAnswers.push_back({WM_CLOSE, 0});  // the application refuses
  window().SetCloseEffect(WindowEffect::Fade);
  ClickButton(Button(CaptionButtonKind::Close));
  EXPECT_EQ(HookedCount(WM_CLOSE), 1);
  EXPECT_TRUE(IsWindow(hwnd()));
  EXPECT_TRUE(IsWindowVisible(hwnd()));

  hookAnswers.pop_back();
  ClickButton(Button(CaptionButtonKind::Close));
  EXPECT_FALSE(IsWindow(hwnd()));
}

TEST_F(CaptionButtonTest, ADisabledCloseButtonPostsNothing) {
  UiCaptionButton& close = Button(CaptionButtonKind::Close);
  close.SetDisabled(true);
  close.SendEvent(EventCode::EvClick);
  Pump();
  EXPECT_EQ(HookedCount(WM_CLOSE), 0);
  EXPECT_TRUE(IsWindow(hwnd()));
}

}  // namespace
}  // namespace getlink::testing
