// Timed run of the host window's composition with twenty real controls (five each of
// buttons, labels, group boxes and scroll bars) on a 450 x 320 window: the whole window
// against one control's rectangle, what a hover change costs and recomposes, and how many
// timer messages an idle window gets, and what an event sent to a control on the window's
// own thread costs. Then, on the program's own main window, how many times the screen is
// updated for one user action: a hover change, a key typed, the end of a fetch, the service
// list opened. Not a test: prints its figures.
// build/windows/framework-bench.exe
#include <windows.h>

#include <algorithm>
#include <any>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/MainWindow.h"
#include "runtime/MessagePump.h"
#include "runtime/Threads.h"
#include "tools/BenchTiming.h"
#include "runtime/ProgramLifetime.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/controls/UiGroupBox.h"
#include "ui/controls/UiLabel.h"
#include "ui/controls/UiScrollBar.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/controls/UiButton.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// Five of each control, in four rows.
struct Controls {
  std::vector<std::unique_ptr<UiControl>> all;
  std::vector<UiButton*> buttons;

  explicit Controls(HWND hwnd) {
    for (int i = 0; i < 5; ++i) {
      const float x = 12.f + i * 86.f;
      auto button = std::make_unique<UiButton>();
      ButtonOptions buttonOptions;
      buttonOptions.caption = "按钮(&B)";
      button->Create(hwnd, {x, 40, 80, 24}, buttonOptions);
      buttons.push_back(button.get());
      all.push_back(std::move(button));
      auto label = std::make_unique<UiLabel>();
      LabelOptions labelOptions;
      labelOptions.text = "标签 Label";
      labelOptions.effect = TextEffect::Glow;
      label->Create(hwnd, {x, 76, 80, 24}, labelOptions);
      all.push_back(std::move(label));
      auto box = std::make_unique<UiGroupBox>();
      GroupBoxOptions boxOptions;
      boxOptions.caption = "分组";
      boxOptions.fillColour = MakeArgb(80, 255, 255, 255);
      box->Create(hwnd, {x, 110, 80, 90}, boxOptions);
      all.push_back(std::move(box));
      auto bar = std::make_unique<UiScrollBar>();
      bar->Create(hwnd, {x, 220, 80, 10}, ScrollBarOptions{});
      all.push_back(std::move(bar));
    }
  }
};

// What a hover change recomposes: the canvas is covered with a marker colour first, so
// every pixel composed afterwards shows as a change.
struct Recomposed {
  int left = 0, top = 0, right = -1, bottom = -1, pixels = 0;
};

Recomposed MarkAndWatch(UiWindow& window, const std::function<void()>& change) {
  const Surface& canvas = window.Canvas();
  const Argb marker = MakeArgb(255, 255, 0, 255);
  gdip::GdipGraphicsClear(canvas.Graphics(), marker.Value());
  change();
  Recomposed r{canvas.Width(), canvas.Height(), -1, -1, 0};
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.PixelAt(x, y) == marker) continue;
      ++r.pixels;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x);
      r.bottom = std::max(r.bottom, y);
    }
  }
  return r;
}

// --- presents per user action ---

// The presents (UpdateLayeredWindow calls of every framework window) that `action` and the
// messages it leaves behind cause.
long PresentsOf(const std::function<void()>& action) {
  const long before = WindowComposer::PresentCount();
  action();
  PumpMessages();
  return WindowComposer::PresentCount() - before;
}

LPARAM CentreOf(const UiControl& control) {
  const Rect rect = control.PixelRect();
  return MAKELPARAM(static_cast<int>(rect.left + rect.width / 2), static_cast<int>(rect.top + rect.height / 2));
}

// The service list's presents: the counts when it was opened, and once it is up.
struct ListPresents {
  const WindowComposer* main = nullptr;
  long mainAtOpen = 0, allAtOpen = 0;
  long mainWindow = 0, list = 0;
};
ListPresents gList;

void CALLBACK CloseServiceList(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gList.mainWindow = gList.main->Presents() - gList.mainAtOpen;
  gList.list = WindowComposer::PresentCount() - gList.allAtOpen - gList.mainWindow;
  if (HWND list = FindWindowW(nullptr, L"Zt_LayerUI_Combox")) PostMessageW(list, WM_CLOSE, 0, 0);
}

// The service list opened with a click; a thread timer reads the counts once the list is
// up and closes it.
ListPresents DropDownPresents(HWND hwnd, const UiControl& box) {
  gList.main = &UiWindow::FromHwnd(hwnd)->Composer();
  gList.mainAtOpen = gList.main->Presents();
  gList.allAtOpen = WindowComposer::PresentCount();
  const UINT_PTR timer = SetTimer(nullptr, 0, 400, CloseServiceList);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, CentreOf(box));
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(box));  // returns when the list has closed
  SendMessageW(hwnd, WM_LBUTTONUP, 0, CentreOf(box));
  KillTimer(nullptr, timer);
  PumpMessagesFor(100);
  return gList;
}

void MainWindowPresents() {
  // The fetch's worker waits for the go, then reports as the real one does.
  const UniqueHandle go(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  FetchOutcome outcome;
  outcome.info = {"http://d.pcs.baidu.com/file/5f1d4a7e?fid=1", "1.2 MB", "测试文件.zip", "用户", "2013-05-01", "3"};
  MainWindowWorld world;
  world.startFetch = [&](FetchRequest, ControlAddress reporter) {
    return StartThread([&outcome, &go, reporter] {
      WaitForSingleObject(go.get(), INFINITE);
      SendControlEvent(reporter, {ToEventCode(FetchEvent::Finished), std::any(outcome)});
    });
  };
  MainWindow main(std::move(world));
  if (!main.Open()) return;
  const HWND hwnd = main.Hwnd();
  UiWindow::FromHwnd(hwnd)->SetAnimationsOn(false);  // each fade tick would add a present
  PumpMessagesFor(300);
  const LPARAM away = MAKELPARAM(200, 200);
  const LPARAM button = CentreOf(main.FetchButton());
  std::printf("\npresents per user action on the main window (fades off):\n");
  std::printf("  the pointer onto the fetch button: %ld\n",
              PresentsOf([&] { SendMessageW(hwnd, WM_MOUSEMOVE, 0, button); }));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, away);
  PumpMessagesFor(100);
  std::printf("  a key typed in the link box: %ld\n", PresentsOf([&] {
                SendMessageW(hwnd, WM_KEYDOWN, 'A', 0x001E0001);
                SendMessageW(hwnd, WM_CHAR, 'a', 0x001E0001);
                SendMessageW(hwnd, WM_KEYUP, 'A', 0xC01E0001);
              }));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, button);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, button);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, button);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, away);
  PumpMessagesFor(200);
  std::printf("  the end of a fetch (result, status line, caption, enabled, focus): %ld\n", PresentsOf([&] {
                SetEvent(go.get());
                while (main.Fetching()) {
                  PumpMessages();
                  Sleep(1);
                }
              }));
  const ListPresents list = DropDownPresents(hwnd, main.ServiceBox());
  std::printf("  the service list opened: %ld of the main window (the box's open look), %ld of the list's own\n",
              list.mainWindow, list.list);
}

int Run() {
  FrameworkStartup(BuildEditContextMenu);
  CreateWindowOptions create;
  create.width = 450;
  create.height = 320;
  HWND hwnd = CreateUiWindow(nullptr, "composition benchmark", create);
  UiWindow window;
  AttachWindowOptions options;
  options.captionFlags = CaptionFlag::Close | CaptionFlag::Minimise;
  options.opacity = 230;
  window.Attach(hwnd, options);
  int timers = 0;
  window.SetMessageHook([&timers](HWND, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_TIMER) ++timers;
    return kNotHandled;
  });
  Controls controls(hwnd);
  window.ShowAnimated(WindowEffect::None);
  PumpMessages();

  const int rounds = 300;
  const Rect whole = {0, 0, 450, 320};
  UiButton& target = *controls.buttons[2];
  const Rect one = target.PixelRect();
  const double wholeMs = AverageMs(rounds, [&] {
    window.InvalidateRect(whole);
    window.Flush();
  });
  const double oneMs = AverageMs(rounds, [&] {
    window.InvalidateRect(one);
    window.Flush();
  });
  const double presentMs = AverageMs(rounds, [&] { window.Present(); });
  const double presentOneMs = AverageMs(rounds, [&] { window.Present(one); });
  std::printf("20 controls: 5 buttons, 5 labels, 5 group boxes, 5 scroll bars\n");
  std::printf("compose and present the whole window: %.3f ms\n", wholeMs);
  std::printf("compose and present one 80 x 24 button: %.3f ms (%.1f%% of the whole)\n", oneMs,
              100.0 * oneMs / wholeMs);
  std::printf("present alone: whole %.3f ms, one button's rectangle %.3f ms\n", presentMs, presentOneMs);
  std::printf("compose alone (estimate): whole %.3f ms, one button %.3f ms (%.1f%%)\n", wholeMs - presentMs,
              oneMs - presentOneMs, 100.0 * (oneMs - presentOneMs) / (wholeMs - presentMs));

  // Events on the window's own thread: a question the button leaves to the window, and
  // whether it has the focus.
  const int calls = 20000;
  const double sendUs = 1000.0 * AverageMs(calls, [&] { target.SendEvent(EventCode::EvQueryPress); });
  const double focusUs = 1000.0 * AverageMs(calls, [&] { target.IsFocused(); });
  std::printf("one event sent on the window's thread: %.3f us; IsFocused: %.3f us\n", sendUs, focusUs);

  // A hover change: the mouse enters the button, its hot look fades in, and it leaves.
  const LPARAM inside = MAKELPARAM(static_cast<int>(one.left) + 10, static_cast<int>(one.top) + 10);
  const LPARAM outside = MAKELPARAM(200, 300);
  timers = 0;
  const Recomposed hover = MarkAndWatch(window, [&] {
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, inside);
    PumpMessagesFor(500);
  });
  const int fadeTicks = timers;
  std::printf("hover change recomposes x %d..%d, y %d..%d (%d pixels); the button is x %d..%d, y %d..%d\n",
              hover.left, hover.right, hover.top, hover.bottom, hover.pixels, static_cast<int>(one.left),
              static_cast<int>(one.Right()) - 1, static_cast<int>(one.top), static_cast<int>(one.Bottom()) - 1);
  std::printf("timer messages of that hover's fade: %d\n", fadeTicks);
  window.SetAnimationsOn(false);
  const double hoverMs = AverageMs(100, [&] {
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, inside);
    window.Flush();
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, outside);
    window.Flush();
  }) / 2;
  window.SetAnimationsOn(true);
  std::printf("one hover change without fading (paint, compose, present): %.3f ms\n", hoverMs);

  // Leave, let the fade end, then leave the window idle for two seconds.
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, outside);
  PumpMessagesFor(500);
  timers = 0;
  PumpMessagesFor(2000);
  std::printf("timer messages in 2 s of an idle window: %d\n", timers);
  window.Destroy();
  MainWindowPresents();
  return 0;
}

}  // namespace
}  // namespace getlink

int main() { getlink::RunProcess(getlink::Run); }
