// Creating, attaching, showing, closing and destroying framework windows; the modal loop
// and the pop-up hook; window-level messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <future>
#include <thread>
#include <utility>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "runtime/MessagePump.h"
#include "runtime/WinHandles.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/controls/UiCaptionTitle.h"
#include "ui/framework/controls/UiPicture.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink::testing {
namespace {

class WindowLifecycleTest : public WindowTest {};

TEST_F(WindowLifecycleTest, CreateUiWindowCentresInTheWorkAreaByDefault) {
  CreateWindowOptions options;
  options.width = 300;
  options.height = 200;
  const UniqueWindow centred(CreateUiWindow(nullptr, "居中", options));
  ASSERT_NE(centred, nullptr);
  RECT work, bounds;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(centred.get(), &bounds);
  EXPECT_EQ(bounds.left, work.left + (work.right - work.left - 300) / 2);
  EXPECT_EQ(bounds.top, work.top + (work.bottom - work.top - 200) / 2);
  EXPECT_EQ(bounds.right - bounds.left, 300);
  wchar_t title[16] = L"";
  GetWindowTextW(centred.get(), title, 16);
  EXPECT_STREQ(title, L"\x5C45\x4E2D");  // "居中" through code page 936
  EXPECT_FALSE(IsWindowVisible(centred.get()));
}

TEST_F(WindowLifecycleTest, AttachRefusesWhatItCannotTake) {
  UiWindow other;
  EXPECT_FALSE(other.Attach(nullptr));
  EXPECT_FALSE(other.Attach(hwnd()));  // the fixture's window object holds it already
  EXPECT_FALSE(window().Attach(hwnd()));
  EXPECT_EQ(UiWindow::FromHwnd(hwnd()), &window());
}

TEST_F(WindowLifecycleTest, TheTitleFollowsTheWindowText) {
  AttachWindowOptions options = DefaultOptions();
  options.captionFlags = CaptionFlag::Title | CaptionFlag::Close;
  Reopen(options);
  ASSERT_NE(window().TitleLabel(), nullptr);
  EXPECT_EQ(window().TitleLabel()->GetText(), "测试窗口");
  EXPECT_EQ(window().TitleLabel()->PixelRect(), (Rect{11, 11, kWidth - 52.f - 11, 20}));
  SetWindowTextW(hwnd(), L"\x65B0");  // "新"
  EXPECT_EQ(window().TitleLabel()->GetText(), "新");

  // Plain white text: no halo of another colour around it.
  const Surface& title = SurfaceOf(*window().TitleLabel());
  int drawn = 0, notWhite = 0;
  for (int y = 0; y < title.Height(); ++y) {
    for (int x = 0; x < title.Width(); ++x) {
      const Argb pixel = title.PixelAt(x, y);
      if (AlphaOf(pixel) < 16) continue;
      ++drawn;
      notWhite += std::min({RedOf(pixel), GreenOf(pixel), BlueOf(pixel)}) < 200 ? 1 : 0;
    }
  }
  EXPECT_GT(drawn, 10);
  EXPECT_EQ(notWhite, 0);
}

TEST_F(WindowLifecycleTest, DestroyingTheWindowDestroysItsControlsAndLeavesThemReusable) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  int destroyed = 0;
  control.onEvent = [&destroyed](const ControlEvent& e) { destroyed += e.code == EventCode::Destroy; };
  DestroyWindow(hwnd());
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(control.IsCreated());
  EXPECT_EQ(window().Hwnd(), nullptr);
  EXPECT_TRUE(window().Controls().empty());

  // The same window object takes another window.
  CreateWindowOptions create;
  create.width = 200;
  create.height = 150;
  HWND again = CreateUiWindow(nullptr, "again", create);
  ASSERT_TRUE(window().Attach(again, DefaultOptions()));
  ASSERT_TRUE(control.Create(again, {20, 60, 50, 20}));
  EXPECT_EQ(window().Canvas().Width(), 200);

  // A message hook that answers WM_DESTROY itself does not keep the clean-up away.
  hookAnswers.push_back({WM_DESTROY, 0});
  DestroyWindow(again);
  EXPECT_EQ(destroyed, 2);
  EXPECT_FALSE(control.IsCreated());
  EXPECT_EQ(window().Hwnd(), nullptr);
}

TEST_F(WindowLifecycleTest, AVetoedCloseKeepsTheWindowWithoutItsEffect) {
  window().SetAnimationsOn(true);
  window().SetCloseEffect(WindowEffect::Fade);
  hookAnswers.push_back({WM_CLOSE, 0});
  SendMessageW(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(hwnd()));
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_FALSE(window().Frozen());

  hookAnswers.pop_back();
  SendMessageW(hwnd(), WM_CLOSE, 0, 0);  // plays the fade, hides, then destroys
  EXPECT_FALSE(IsWindow(hwnd()));
}

TEST_F(WindowLifecycleTest, ShowingAnimatedEndsShownAndComposed) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  ShowWindow(hwnd(), SW_HIDE);
  window().SetAnimationsOn(true);
  window().ShowAnimated(WindowEffect::Zoom, 50);
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_FALSE(window().Frozen());
  EXPECT_EQ(CanvasPixel(120, 110), MakeArgb(255, 200, 40, 40));

  ShowWindow(hwnd(), SW_HIDE);
  window().ShowAnimated(WindowEffect::None);  // no effect still shows the window
  EXPECT_TRUE(IsWindowVisible(hwnd()));
}

std::function<void()> gDuringEffect;

void CALLBACK RunDuringEffect(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (const std::function<void()> run = std::exchange(gDuringEffect, nullptr)) run();
}

TEST_F(WindowLifecycleTest, WhatChangesWhileTheOpeningEffectPlaysIsShownWhenItEnds) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  window().SetAnimationsOn(true);
  // Runs `change` from a timer inside the effect's frames, then lets the effect end.
  const auto openWith = [&](const std::function<void()>& change) {
    gDuringEffect = change;
    ShowWindow(hwnd(), SW_HIDE);
    SetTimer(nullptr, 0, 1, RunDuringEffect);
    window().ShowAnimated(WindowEffect::Zoom, 300);
    return gDuringEffect == nullptr;  // it ran
  };

  ASSERT_TRUE(openWith([&] { control.SetVisible(false); }));
  EXPECT_EQ(CanvasPixel(120, 110), window().Background().PixelAt(120, 110));

  // A resize repaints the skin; the effect goes on frozen.
  bool frozenAfterResize = false;
  ASSERT_TRUE(openWith([&] {
    SetWindowPos(hwnd(), nullptr, 0, 0, kWidth + 20, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frozenAfterResize = window().Frozen();
  }));
  EXPECT_TRUE(frozenAfterResize);
  EXPECT_FALSE(window().Frozen());
}

TEST_F(WindowLifecycleTest, TheModalLoopRunsUntilItsWindowIsGone) {
  CreateWindowOptions create;
  create.width = 200;
  create.height = 150;
  HWND dialog = CreateUiWindow(hwnd(), "modal", create);
  UiWindow dialogWindow;
  ASSERT_TRUE(dialogWindow.Attach(dialog, DefaultOptions()));
  ShowWindow(dialog, SW_SHOWNORMAL);
  RecordingControl outside;
  ASSERT_TRUE(outside.Create(hwnd(), {100, 100, 80, 24}));
  outside.Clear();

  // Input for another window is dropped while the loop runs; the dialog closes itself.
  PostMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 110));
  PostMessageW(hwnd(), ToMessage(FrameworkMessage::WmPresent), 0, 0);  // not input: handled
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  ModalLoop(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(outside.Count(EventCode::LeftDown), 0);
}

TEST_F(WindowLifecycleTest, AQuitEndsTheModalLoopAndStaysForTheOuterLoop) {
  CreateWindowOptions create;
  const UniqueWindow dialog(CreateUiWindow(hwnd(), "modal", create));
  PostQuitMessage(7);
  ModalLoop(dialog.get());
  EXPECT_TRUE(IsWindow(dialog.get()));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowLifecycleTest, PopUpsCloseOnEscapeAndOnDeactivation) {
  CreateWindowOptions create;
  create.width = 120;
  create.height = 80;
  HWND popup = CreateUiWindow(hwnd(), "popup", create);
  UiWindow popupWindow;
  ASSERT_TRUE(popupWindow.Attach(popup, DefaultOptions()));
  popupWindow.SetMessageHook(PopupHook);
  popupWindow.SetPopup({PopupKind::CloseOnDeactivate});
  int closes = 0;
  SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageW(popup, WM_ACTIVATE, WA_INACTIVE, 0);
  MSG msg;
  while (PeekMessageW(&msg, popup, WM_CLOSE, WM_CLOSE, PM_REMOVE)) ++closes;
  EXPECT_EQ(closes, 2);
  popupWindow.Destroy();
  EXPECT_EQ(popupWindow.Popup().kind, PopupKind::None);  // the role goes with the window
}

TEST_F(WindowLifecycleTest, AnOwnedPopUpClosesItsHostUnlessAnotherPopUpTakesOver) {
  CreateWindowOptions create;
  const UniqueWindow host(CreateUiWindow(hwnd(), "host", create));
  UiWindow popup, sibling;
  ASSERT_TRUE(popup.Attach(CreateUiWindow(hwnd(), "popup", create), DefaultOptions()));
  ASSERT_TRUE(sibling.Attach(CreateUiWindow(hwnd(), "sibling", create), DefaultOptions()));
  popup.SetPopup({PopupKind::Owned, host.get()});
  sibling.SetPopup({PopupKind::Owned, host.get()});
  // A window of another thread may carry a property of the same name (another copy of the
  // program): it is never read as a window object of ours.
  std::promise<HWND> made;
  std::promise<void> done;
  std::thread other([&] {
    const UniqueWindow foreign(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    SetPropW(foreign.get(), L"Zt_Wnd_Control", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x10)));
    made.set_value(foreign.get());
    done.get_future().wait();
  });
  const HWND foreign = made.get_future().get();
  auto closesOfHost = [&host] {
    int n = 0;
    MSG msg;
    while (PeekMessageW(&msg, host.get(), WM_CLOSE, WM_CLOSE, PM_REMOVE)) ++n;
    return n;
  };
  PopupHook(popup.Hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(sibling.Hwnd()));
  EXPECT_EQ(closesOfHost(), 0);
  PopupHook(popup.Hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd()));
  EXPECT_EQ(closesOfHost(), 1);
  PopupHook(popup.Hwnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(closesOfHost(), 1);
  done.set_value();
  other.join();
  popup.Destroy();
  EXPECT_EQ(popup.Popup().chainHead, nullptr);  // the role goes with the window
  EXPECT_EQ(popup.Popup().kind, PopupKind::None);
}

TEST_F(WindowLifecycleTest, MaximisedSizeAndMinimumTrackSize) {
  MINMAXINFO info = {};
  SendMessageW(hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(info.ptMaxSize.x, work.right - work.left + 14);
  EXPECT_EQ(info.ptMaxPosition.x, work.left - 7);
  EXPECT_EQ(info.ptMinTrackSize.x, 28 * 2 + 11 + 35 + 1);  // two caption buttons, one of them close
  EXPECT_EQ(info.ptMinTrackSize.y, 40);
}

TEST_F(WindowLifecycleTest, HoveringAControlWithATipShowsItsTooltip) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  control.SetTipText("提示");
  MouseMove(110, 110);
  // The window's tooltip is the one that has a tool now.
  HWND tooltip = nullptr;
  while ((tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) != nullptr)
    if (SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0) > 0) break;
  ASSERT_NE(tooltip, nullptr);
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  wchar_t text[32] = L"";
  tool.lpszText = text;
  ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_STREQ(text, L"\x63D0\x793A");
  EXPECT_EQ(tool.rect.left, 100);
  EXPECT_EQ(tool.rect.right, 180);
}

TEST_F(WindowLifecycleTest, ForwardedEventsReachTheControl) {
  RecordingControl control;
  ASSERT_TRUE(control.Create(hwnd(), {100, 100, 80, 24}));
  SendMessageW(hwnd(), ToMessage(FrameworkMessage::WmForwardEvent), 42, static_cast<LPARAM>(control.Handle()));
  ASSERT_FALSE(control.events.empty());
  EXPECT_EQ(static_cast<int>(control.events.back().code), 10258);
  ASSERT_NE(control.events.back().Data<WPARAM>(), nullptr);
  EXPECT_EQ(*control.events.back().Data<WPARAM>(), 42u);
}

TEST_F(WindowLifecycleTest, ASkinImageFillsTheWindowAndSetsTheSkinColour) {
  UniqueBitmap blue = BitmapOf(300, 200, [](int, int) { return MakeArgb(255, 0, 0, 200); });
  AttachWindowOptions options = DefaultOptions();
  options.skinImage = EncodePng(blue.get());
  options.skinColour.reset();
  options.imageMode = SkinImageMode::Stretched;
  Reopen(options);
  EXPECT_EQ(window().SkinColour(), MakeColorRef(0, 0, 200));
  const Argb inside = CanvasPixel(200, 200);
  EXPECT_NEAR(BlueOf(inside), 200, 2);
  EXPECT_EQ(RedOf(inside), 0);

  options.imageMode = SkinImageMode::Natural;  // at the corner, fading into the skin colour
  options.skinColour = MakeColorRef(250, 250, 250);
  Reopen(options);
  EXPECT_NEAR(BlueOf(CanvasPixel(20, 40)), 200, 2);   // the image, away from its fading edges
  EXPECT_EQ(RedOf(CanvasPixel(20, 40)), 0);
  EXPECT_NEAR(RedOf(CanvasPixel(400, 280)), 250, 2);  // the skin colour beyond it
  const Argb band = CanvasPixel(280, 40);             // inside the band along its right edge
  EXPECT_GT(RedOf(band), 100);
  EXPECT_LT(RedOf(band), 245);

  // At 144 DPI the picture at its own size is 1.5 times as large (450 x 300 from the body's
  // corner at 8), its bands 150 wide: (250, 120) is still clear of them.
  RECT place = {};
  GetWindowRect(hwnd(), &place);
  place.right = place.left + kWidth * 3 / 2;
  place.bottom = place.top + kHeight * 3 / 2;
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&place));
  EXPECT_NEAR(BlueOf(CanvasPixel(250, 120)), 200, 2);
  EXPECT_EQ(RedOf(CanvasPixel(250, 120)), 0);
  EXPECT_NEAR(RedOf(CanvasPixel(470, 120)), 250, 2);  // the skin colour beyond it
}

// The width in pixels of the window's small or large icon; 0 when it has none.
int IconWidth(HWND hwnd, WPARAM which) {
  ICONINFO info = {};
  const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0));
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  const GdiBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap = {};
  return GetObjectW(colour != nullptr ? colour.get() : mask.get(), sizeof bitmap, &bitmap) != 0 ? bitmap.bmWidth : 0;
}

// Moved to a monitor of 1.5 times the DPI, the window takes the suggested place, its
// controls keep their places in 96-DPI units and their fonts grow, its icons are the
// program's drawn for the new DPI, and an open pop-up closes rather than stay over the
// old pixels.
TEST_F(WindowLifecycleTest, ANewDpiScalesThePlaceTheControlsAndTheFonts) {
  AttachWindowOptions withIcon = DefaultOptions();
  withIcon.captionFlags = *withIcon.captionFlags | CaptionFlag::Icon;
  Reopen(withIcon);
  UiButton plain;
  ASSERT_TRUE(plain.Create(hwnd(), {100, 100, 80, 24}));
  UiButton::Options sized;
  sized.font.size = 12.0f;
  UiButton own;
  ASSERT_TRUE(own.Create(hwnd(), {20, 140, 60, 20}, sized));
  const float plainSize = plain.Font().Size(), ownSize = own.Font().Size();
  CreateWindowOptions create;
  create.width = 120;
  create.height = 80;
  UiWindow popupWindow;
  ASSERT_TRUE(popupWindow.Attach(CreateUiWindow(hwnd(), "popup", create), DefaultOptions()));
  popupWindow.SetPopup({PopupKind::CloseOnDeactivate});

  RECT before = {};
  GetWindowRect(hwnd(), &before);
  RECT suggested = {before.left, before.top, before.left + kWidth * 3 / 2, before.top + kHeight * 3 / 2};
  SendMessageW(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  MSG close;
  EXPECT_TRUE(PeekMessageW(&close, popupWindow.Hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));

  EXPECT_EQ(window().Dpi(), 144);
  RECT after = {};
  GetWindowRect(hwnd(), &after);
  EXPECT_EQ(after.right - after.left, kWidth * 3 / 2);
  EXPECT_EQ(after.bottom - after.top, kHeight * 3 / 2);
  EXPECT_EQ(window().Width(), kWidth * 3 / 2);
  EXPECT_EQ(plain.GetRect(), (Rect{100, 100, 80, 24}));
  EXPECT_EQ(plain.PixelRect(), (Rect{150, 150, 120, 36}));
  EXPECT_EQ(plain.GetSurface().Width(), 120);
  EXPECT_FLOAT_EQ(plain.Font().Size(), plainSize * 1.5f);
  EXPECT_FLOAT_EQ(own.Font().Size(), ownSize * 1.5f);
  // The caption row laid out again at the new width from the scaled style: the close
  // button (39 x 19 at 96 DPI) and the next one (a 28-pixel step), 7 from the top, with
  // 12 + 12 pixels right of them.
  const auto& buttons = window().CaptionButtons();
  ASSERT_GE(buttons.size(), 2u);
  EXPECT_EQ(buttons[0]->PixelRect(), (Rect{kWidth * 3 / 2 - 36 - 42, 11, 59, 29}));
  EXPECT_EQ(buttons[1]->PixelRect(), (Rect{kWidth * 3 / 2 - 36 - 84, 11, 42, 29}));
  EXPECT_EQ(IconWidth(hwnd(), ICON_SMALL), 24);
  EXPECT_EQ(IconWidth(hwnd(), ICON_BIG), 48);
  // The caption row's icon shows the small one at its size.
  const UiPicture* icon = window().IconPicture();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(ImageWidth(icon->Picture()), 24);
  EXPECT_EQ(icon->PixelRect().width, 24);
}

}  // namespace
}  // namespace getlink::testing
