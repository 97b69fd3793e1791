// The caption row: the sprite cell each button shows, and the window commands it sends.
#include <gtest/gtest.h>

#include <optional>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/drawing/EmbeddedImages.h"
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

  // Whether the button shows exactly the sprite cell (animations are off: no fading), of
  // the sprite drawn at `scale`.
  bool ShowsCell(const UiCaptionButton& button, int state, bool maximised, ImageScale scale = ImageScale::Normal) {
    const Surface& shown = SurfaceOf(button);
    Surface expected(shown.Width(), shown.Height());
    DrawImagePart(expected.Graphics(), SharedEmbeddedImage(EmbeddedImage::CaptionButtons, scale),
                  ScaledCell(CaptionButtonCell(button.Kind(), state, maximised), ImageFactor(scale)),
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

// At another DPI a button has the size the style scaled to it, and where the sprite is
// drawn at that scale it shows its cell of that sprite pixel for pixel.
TEST_F(CaptionButtonTest, AtEveryDpiAButtonIsItsCellAtTheScaledSize) {
  struct Case {
    int dpi;
    int width, height;  // the close button's 39 x 19 at the DPI
    std::optional<ImageScale> drawnAt;  // the sprite drawn at the DPI's own scale
  };
  for (const Case& c : {Case{120, 49, 24, std::nullopt}, Case{144, 59, 29, ImageScale::OneAndAHalf},
                        Case{192, 78, 38, ImageScale::Double}, Case{96, 39, 19, ImageScale::Normal}}) {
    RECT place = {};
    GetWindowRect(hwnd(), &place);
    place.right = place.left + kWidth * c.dpi / 96;
    place.bottom = place.top + kHeight * c.dpi / 96;
    SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi), reinterpret_cast<LPARAM>(&place));
    UiCaptionButton& close = Button(CaptionButtonKind::Close);
    ASSERT_TRUE(PumpUntil([&] { return SurfaceOf(close).Width() == c.width; })) << c.dpi;
    EXPECT_EQ(SurfaceOf(close).Height(), c.height) << c.dpi;
    if (c.drawnAt) {
      const Rect cell = ScaledCell(CaptionButtonCell(CaptionButtonKind::Close, 0, false), ImageFactor(*c.drawnAt));
      EXPECT_EQ(cell.width, c.width) << c.dpi;
      EXPECT_EQ(cell.height, c.height) << c.dpi;
      Pump();
      EXPECT_TRUE(ShowsCell(close, 0, false, *c.drawnAt)) << c.dpi;
    }
  }
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

// The caption buttons are the window's frame: a control the application lays over the
// caption row (a title as wide as the window, made after the buttons) takes neither their
// hot look nor their click. The minimise button makes the window iconic; while it is, a
// change is composed but not presented (the canvas's size would give the window back its
// whole size where its taskbar button is), a second click asks nothing more, and
// restoring it presents it at its place again.
TEST_F(CaptionButtonTest, MinimiseShowsItsHotLookUnderATitleAndMinimisesUntilRestored) {
  RecordingControl title(MakeArgb(0, 0, 0, 0));
  CreateControlOptions label;
  label.focusable = false;  // a click on it would drag the window
  ASSERT_TRUE(title.Create(hwnd(), {10, 8, kWidth - 40.f, 24}, label));
  UiCaptionButton& minimise = Button(CaptionButtonKind::Minimise);
  const Rect r = minimise.PixelRect();
  MouseMove(static_cast<int>(r.left) + 4, static_cast<int>(r.top) + 4);
  EXPECT_EQ(window().Hovered(), &minimise);
  EXPECT_TRUE(ShowsCell(minimise, 1, false));
  RECT normal = {};
  GetWindowRect(hwnd(), &normal);
  ClickButton(minimise);
  EXPECT_EQ(Commands(SC_MINIMIZE), 1);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(hwnd()) != FALSE; }));

  RECT iconic = {};
  GetWindowRect(hwnd(), &iconic);
  const long before = window().Composer().Presents();
  title.SetColour(MakeArgb(255, 0, 0, 255));
  hooked.clear();
  minimise.SendEvent(EventCode::EvClick);
  Pump(100);
  EXPECT_EQ(window().Composer().Presents(), before);
  EXPECT_EQ(Commands(SC_MINIMIZE), 0);
  RECT still = {};
  GetWindowRect(hwnd(), &still);
  EXPECT_TRUE(IsIconic(hwnd()));
  EXPECT_TRUE(EqualRect(&still, &iconic));

  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);  // as the taskbar restores it
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(hwnd()) == FALSE; }));
  RECT restored = {};
  GetWindowRect(hwnd(), &restored);
  EXPECT_TRUE(EqualRect(&restored, &normal));
  EXPECT_EQ(window().Composer().Presents(), before + 1);
  EXPECT_EQ(window().Composer().LastPresentedDirty().right, kWidth);  // the whole canvas
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
