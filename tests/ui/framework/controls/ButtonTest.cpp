// The push button: its looks through a click, the mnemonic, the cross-fade, the focus
// rectangle, fonts, hooks, and where image and caption go.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/controls/ButtonFace.h"
#include "ui/framework/controls/UiButton.h"

namespace getlink::testing {
namespace {

bool Inked(Argb pixel) { return AlphaOf(pixel) > 60; }

class ButtonTest : public WindowTest {
 protected:
  UiButton& Button(const char* caption, const Rect& rect = {100, 100, 84, 26}, ButtonOptions options = {}) {
    options.caption = caption;
    buttons_.push_back(std::make_unique<UiButton>());
    UiButton& button = *buttons_.back();
    EXPECT_TRUE(button.Create(hwnd(), rect, options));
    button.BindEvent(EventCode::EvClick, [this](UiControl*, UiControl&, const ControlEvent&) { ++clicks; });
    return button;
  }

  void AltKey(char letter) {
    SendMessageW(hwnd(), WM_SYSKEYDOWN, static_cast<WPARAM>(letter), 1 << 29);
    Pump();
  }

  int clicks = 0;

 private:
  std::vector<std::unique_ptr<UiButton>> buttons_;
};

// The press gives the button the focus: after it, the button at rest shows its focused
// look, however the press ended.
TEST_F(ButtonTest, AClickShowsHotPressedHotAndClicksOnlyWhenReleasedOverTheButton) {
  struct Case {
    const char* name;
    bool focusable;
    bool releaseOutside;
    std::optional<PressCut> cut;  // the window loses the press before the release
    ButtonState whilePressed, afterRelease;
    int clicks;
  };
  const Case cases[] = {
      {"released over it", true, false, std::nullopt, ButtonState::Pressed, ButtonState::Hot, 1},
      {"released elsewhere", true, true, std::nullopt, ButtonState::Pressed, ButtonState::Focused, 0},
      {"cut short by another window's activation", true, false, PressCut::AnotherWindowActivated,
       ButtonState::Pressed, ButtonState::Focused, 0},
      {"cut short by WM_CANCELMODE", true, false, PressCut::CancelMode, ButtonState::Pressed, ButtonState::Focused, 0},
      {"cut short by a capture taken", true, false, PressCut::CaptureTaken, ButtonState::Pressed,
       ButtonState::Focused, 0},
      {"not focusable", false, false, std::nullopt, ButtonState::Hot, ButtonState::Hot, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicks = 0;
    UiButton& button = Button("按钮");
    button.SetFocusable(c.focusable);
    MouseMove(120, 110);
    EXPECT_EQ(button.State(), ButtonState::Hot);
    LeftDown(120, 110);
    EXPECT_EQ(button.State(), c.whilePressed);
    if (c.cut) {
      CutPress(*c.cut);
    } else {
      const int x = c.releaseOutside ? 300 : 121;
      MouseMove(x, 110);
      LeftUp(x, 110);
    }
    EXPECT_EQ(button.State(), c.afterRelease);
    EXPECT_EQ(clicks, c.clicks);
    // The pointer leaving takes the hot look away, not the focused one.
    MouseMove(300, 250);
    EXPECT_EQ(button.State(), c.focusable ? ButtonState::Focused : ButtonState::Normal);
    button.Destroy();
  }
}

TEST_F(ButtonTest, AltWithTheMnemonicClicksAndANewCaptionReplacesIt) {
  UiButton& button = Button("确定(&o)");  // a lower-case mnemonic still answers Alt+O
  AltKey('O');
  EXPECT_EQ(clicks, 1);
  button.SetCaption("取消(&C)");
  AltKey('O');
  EXPECT_EQ(clicks, 1);
  AltKey('C');
  EXPECT_EQ(clicks, 2);
  button.SetCaption("甲&&乙");  // "&&" is a plain "&", not a mnemonic
  AltKey('C');
  EXPECT_EQ(clicks, 2);
  button.SetCaption("&K");
  button.SetFocusable(false);  // takes no mouse presses, but the mnemonic still clicks
  AltKey('K');
  EXPECT_EQ(clicks, 3);
  button.SetDisabled(true);
  Pump();
  AltKey('K');
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, LosingTheFocusFadesBackInThreeTicksOrAtOnceWithAnimationsOff) {
  for (const bool animations : {true, false}) {
    SCOPED_TRACE(animations ? "animations on" : "animations off");
    AttachWindowOptions options = DefaultOptions();
    options.animationsOn = animations;
    Reopen(options);
    UiButton& first = Button("一");
    UiButton& second = Button("二", {200, 100, 84, 26});
    window().SetFocusControl(&first, true);
    ASSERT_TRUE(PumpUntil([&] { return first.FadeLevel() == first.Alpha(); }));
    hooked.clear();
    window().SetFocusControl(&second, true);
    EXPECT_EQ(first.State(), ButtonState::Normal);
    ASSERT_TRUE(PumpUntil([&] { return first.FadeLevel() == first.Alpha(); }));
    Pump(300);  // long enough for five more ticks, were the timer still running
    // The window's fade clock, which stops when the last fade (the first button's: the
    // second's takes one tick) has ended.
    const int ticks = HookedCount(WM_TIMER, [](const MSG& m) { return m.wParam == FadeClock::kTimerId; });
    EXPECT_EQ(ticks, animations ? 3 : 0);
    EXPECT_EQ(first.FadeImage(), nullptr);
  }
}

// The image's gap is given in 96-DPI units: at 192 DPI an image pinned to the left with a
// gap of 5 starts 10 pixels inside the face's content (a caption beside it is grey).
TEST_F(ButtonTest, TheImageGapIsInUnitsAndDrawnAtTheWindowsScale) {
  RECT suggested = {0, 0, kWidth * 2, kHeight * 2};
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  ButtonOptions options;
  options.imageBytes = TwoFrameGif();
  options.imagePosition = ImagePosition::Left;
  options.imageGap = 5;
  UiButton& button = Button("A", {100, 100, 84, 26}, options);
  window().Flush();
  const Surface& surface = button.GetSurface();
  const Rect content = ContentRect(FaceRect(button.PixelWidth(), button.PixelHeight()));
  int firstColoured = -1;
  for (int x = 0; x < surface.Width() && firstColoured < 0; ++x)
    for (int y = 0; y < surface.Height() && firstColoured < 0; ++y) {
      const Argb p = surface.PixelAt(x, y);
      if (std::abs(RedOf(p) - GreenOf(p)) > 100 || std::abs(BlueOf(p) - GreenOf(p)) > 100) firstColoured = x;
    }
  EXPECT_EQ(firstColoured, static_cast<int>(content.left) + 10);
}

TEST_F(ButtonTest, OnlyTheFocusedButtonShowsTheFocusRectangle) {
  UiButton& focused = Button("按钮");
  UiButton& unfocused = Button("按钮", {200, 100, 84, 26});
  window().SetFocusControl(&focused, true);
  unfocused.PaintState(ButtonState::Focused, 255);
  const Rect ring = FocusRect(FaceRect(84, 26), DefaultStyle().button);
  int differing = 0, differingElsewhere = 0;
  CountPixels(SurfaceOf(focused), [&](int x, int y, Argb pixel) {
    const bool onRing = (y == ring.top || y == static_cast<int>(ring.Bottom()) - 1) && x >= ring.left &&
                        x < ring.Right();
    if (pixel != unfocused.GetSurface().PixelAt(x, y)) ++(onRing ? differing : differingElsewhere);
    return false;
  });
  EXPECT_GT(differing, 20);  // dotted: every other pixel of both long edges
  EXPECT_LT(differingElsewhere, 60);  // the short edges alone
}

TEST_F(ButtonTest, FontsKeepWhatIsNotChangedAndFallBackToTheDefaultFamily) {
  UiButton& plain = Button("默认");
  EXPECT_FALSE(plain.Font().IsOwn());
  EXPECT_EQ(plain.Font().Get(), DefaultFont());

  ButtonOptions sized;
  sized.font.size = 16;
  UiButton& button = Button("大字", {200, 100, 84, 26}, sized);
  EXPECT_TRUE(button.Font().IsOwn());
  EXPECT_EQ(button.Font().FamilyName(), FontFamilyName(DefaultFont()));
  EXPECT_EQ(button.Font().Size(), 16.f);
  button.SetFontStyle(FontStyle::Bold);
  button.SetFontName("没有这种字体");
  EXPECT_EQ(button.Font().FamilyName(), FontFamilyName(DefaultFont()));
  EXPECT_EQ(button.Font().Size(), 16.f);
  EXPECT_EQ(button.Font().Style(), FontStyle::Bold);
  button.ReleaseFont();
  EXPECT_EQ(button.Font().Get(), DefaultFont());

  // A caption in a large bold font is drawn whole: four characters of 16 pixels.
  ButtonOptions large;
  large.font.size = 16;
  large.font.style = FontStyle::Bold;
  UiButton& wide = Button("大号粗体", {100, 150, 110, 26}, large);
  int left = 110, right = -1;
  CountPixels(SurfaceOf(wide), [&](int x, int, Argb p) {
    if (GreenOf(p) < 60 && AlphaOf(p) > 200) left = std::min(left, x), right = std::max(right, x);
    return false;
  });
  EXPECT_GE(right - left, 58);
}

// A button with a dark face of its own, whose content hook can take over.
class DarkButton : public UiButton {
 public:
  bool drawContent = false;

 protected:
  bool PaintBackgroundHook(GpGraphics* g, ButtonState) override {
    gdip::GdipGraphicsClear(g, MakeArgb(255, 30, 30, 60).Value());
    return true;
  }
  bool PaintContentHook(GpGraphics*, ButtonState, const Rect&, const Rect&) override { return drawContent; }
};

TEST_F(ButtonTest, AutomaticTextColourContrastsWithTheFaceAndHooksTakeOver) {
  const auto countInk = [this](const UiButton& button, bool light) {
    return CountPixels(SurfaceOf(button), [light](int, int, Argb p) {
      const int luma = (299 * RedOf(p) + 587 * GreenOf(p) + 114 * BlueOf(p)) / 1000;
      return light ? luma > 120 : (luma < 60 && AlphaOf(p) > 200);
    });
  };
  DarkButton dark;
  ButtonOptions options;
  options.caption = "深色";
  ASSERT_TRUE(dark.Create(hwnd(), {100, 100, 84, 26}, options));
  EXPECT_EQ(countInk(dark, true), 0);  // black text on the dark face
  dark.SetAutoTextColour(true);
  EXPECT_GT(countInk(dark, true), 20);
  window().SetFocusControl(&dark, true);
  dark.drawContent = true;
  dark.Repaint();
  EXPECT_EQ(countInk(dark, true), 0);  // neither caption nor focus rectangle

  UiButton& light = Button("浅色", {200, 100, 84, 26});
  light.SetAutoTextColour(true);
  EXPECT_GT(countInk(light, false), 20);
}

TEST_F(ButtonTest, ImageBytesThatDoNotLoadLeaveTheCaptionAlone) {
  UiButton& without = Button("图像");
  UiButton& broken = Button("图像", {200, 100, 84, 26});
  broken.SetImageBytes(ByteSet{1, 2, 3, 4});
  const int differing = CountPixels(SurfaceOf(broken), [&](int x, int y, Argb p) {
    return p != without.GetSurface().PixelAt(x, y);
  });
  EXPECT_EQ(differing, 0);
  EXPECT_GT(CountPixels(SurfaceOf(broken), [](int, int, Argb p) { return Inked(p); }), 0);
}

TEST(ButtonLayout, ImageAndCaptionArePairedOrPinnedAndTheCaptionCentred) {
  const Rect content = {0, 0, 100, 40};
  const Extent image = {20, 20}, caption = {40, 14};
  struct Case {
    ImagePosition position;
    Extent image;
    Rect expectedImage, expectedCaption;
  };
  const Case cases[] = {
      {ImagePosition::LeftOfCaption, image, {18, 10, 20, 20}, {42, 13, 40, 14}},
      {ImagePosition::RightOfCaption, image, {62, 10, 20, 20}, {18, 13, 40, 14}},
      {ImagePosition::AboveCaption, image, {40, 1, 20, 20}, {30, 25, 40, 14}},
      {ImagePosition::BelowCaption, image, {40, 19, 20, 20}, {30, 1, 40, 14}},
      {ImagePosition::Left, image, {4, 10, 20, 20}, {30, 13, 40, 14}},
      {ImagePosition::Top, image, {40, 4, 20, 20}, {30, 13, 40, 14}},
      {ImagePosition::BottomRight, image, {76, 16, 20, 20}, {30, 13, 40, 14}},
      {ImagePosition::LeftOfCaption, {}, {}, {30, 13, 40, 14}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    const ButtonContent placed = PlaceButtonContent(content, c.image, caption, c.position, 4, 0, 0);
    EXPECT_EQ(placed.image, c.expectedImage);
    EXPECT_EQ(placed.caption, c.expectedCaption);
  }
  // The offsets move the image alone.
  const ButtonContent shifted = PlaceButtonContent(content, image, caption, ImagePosition::LeftOfCaption, 4, 3, -2);
  EXPECT_EQ(shifted.image, (Rect{21, 8, 20, 20}));
  EXPECT_EQ(shifted.caption, (Rect{42, 13, 40, 14}));
}

}  // namespace
}  // namespace getlink::testing
