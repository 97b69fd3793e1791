// The main window's states written to PNG from its canvas, for comparing its look before
// and after a change: build/windows/main-window-screens.exe DIR LINK, where LINK is a
// Tencent Weiyun share on the stand-in share server (scripts/screens passes it).
//   main-idle             as it opens, the caret in the link box
//   main-fetched          after the fetch of LINK
//   main-dropdown         the service list open, with main-dropdown-list, the list's window
//   main-exit-question    the question on closing (its own window)
//   main-long-reason      a window opened beside a getlink.ini line it cannot use: the
//                         reason, longer than the status strip, in red
//   main-link-selected    a link that wraps over several rows in the link box, all selected
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "app/MainWindow.h"
#include "runtime/MessagePump.h"
#include "runtime/ProgramLifetime.h"
#include "tools/screens/ScreenCapture.h"
#include "ui/controls/EditContextMenu.h"
#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink {
namespace {

constexpr int kWeiyunIndex = 3;  // 腾讯微云 in the service list

UiWindow& WindowOf(MainWindow& main) { return *UiWindow::FromHwnd(main.Hwnd()); }

// Focus away and back: the caret of a focused edit box starts its blink again, shown, so
// that every run catches it in the same phase.
void RestartCaret(MainWindow& main) {
  UiWindow& window = WindowOf(main);
  UiControl* focused = window.Focused();
  if (focused == nullptr) return;
  UiControl* other = focused == &main.LinkBox() ? static_cast<UiControl*>(&main.ResultBox()) : &main.LinkBox();
  window.SetFocusControl(other, false);
  window.SetFocusControl(focused, false);
}

void Click(HWND hwnd, const UiControl& control) {
  const Rect rect = control.PixelRect();
  const LPARAM point =
      MAKELPARAM(static_cast<int>(rect.left + rect.width / 2), static_cast<int>(rect.top + rect.height / 2));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, point);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, point);
}

bool Ready(const UiWindow& window) { return IsWindowVisible(window.Hwnd()) && !window.Frozen(); }

// Both pop-ups run a message loop of their own until they close: a timer of this thread,
// which that loop dispatches, waits until the pop-up has shown its last frame, writes it
// out and closes it with Escape.
class PopupCapture {
 public:
  using Write = std::function<bool(UiWindow& popup)>;

  // Calls `open`, which returns when the pop-up is gone; true when `write` ran and
  // succeeded.
  static bool Run(HWND main, const std::function<void()>& open, Write write) {
    PopupCapture capture{main, std::move(write)};
    current_ = &capture;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &PopupCapture::Tick);
    open();
    KillTimer(nullptr, timer);
    current_ = nullptr;
    return capture.written_;
  }

 private:
  PopupCapture(HWND main, Write write) : main_(main), write_(std::move(write)) {}

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    PopupCapture* self = current_;
    if (self == nullptr || self->done_) return;
    for (UiWindow* popup : screens::OtherWindows(self->main_)) {
      if (!Ready(*popup) || ++self->readyTicks_ < 3) continue;  // a few ticks for its last frame
      self->done_ = true;
      self->written_ = self->write_(*popup);
      PostMessageW(popup->Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
  }

  static PopupCapture* current_;
  HWND main_;
  Write write_;
  int readyTicks_ = 0;
  bool done_ = false;
  bool written_ = false;
};
PopupCapture* PopupCapture::current_ = nullptr;

// Opens the window and waits until it shows, its animations off from then on: every
// later change shows its final look at once.
bool OpenAndSettle(MainWindow& main) {
  if (!main.Open()) return false;
  UiWindow& window = WindowOf(main);
  if (!PumpMessagesUntil([&] { return Ready(window); }, 10000)) return false;
  window.SetAnimationsOn(false);
  return true;
}

// The window as it opens beside a getlink.ini whose line it cannot use, the reason
// longer than the strip.
bool WriteLongReason(const std::string& directory) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const Text ini = ConcatTexts(folder, "getlink-screens.ini");
  if (!(std::ofstream(ini, std::ios::binary) << "[aria2]\r\nrpc=ftp://127.0.0.1:6800/jsonrpc\r\n")) return false;
  MainWindowWorld world;
  world.settingsPath = ini;
  MainWindow main(std::move(world));
  const bool opened = OpenAndSettle(main);
  DeleteFileA(ini.c_str());
  if (!opened) return false;
  RestartCaret(main);
  screens::Settle();
  return screens::WriteCanvas(WindowOf(main), directory, "main-long-reason");
}

// The states of one window, from its opening to the question on closing.
int WriteWindowStates(const std::string& directory, const std::string& link) {
  MainWindow main;
  if (!OpenAndSettle(main)) return 2;
  UiWindow& window = WindowOf(main);
  bool written = true;

  RestartCaret(main);
  screens::Settle();
  written = screens::WriteCanvas(window, directory, "main-idle") && written;

  main.LinkBox().SetText(link);
  main.ServiceBox().SetSelectedIndex(kWeiyunIndex);
  Click(main.Hwnd(), main.FetchButton());
  SendMessageW(main.Hwnd(), WM_MOUSELEAVE, 0, 0);
  if (!PumpMessagesUntil([&] { return !main.Fetching(); }, 30000)) return 2;
  screens::Settle();  // what the fetch's end posted, before the caret starts again
  RestartCaret(main);
  screens::Settle();
  written = screens::WriteCanvas(window, directory, "main-fetched") && written;

  const bool listWritten = PopupCapture::Run(
      main.Hwnd(), [&] { Click(main.Hwnd(), main.ServiceBox()); },
      [&](UiWindow& list) {
        return screens::WriteCanvas(window, directory, "main-dropdown") &&
               screens::WriteCanvas(list, directory, "main-dropdown-list");
      });
  written = listWritten && written;
  SendMessageW(main.Hwnd(), WM_MOUSELEAVE, 0, 0);
  screens::Settle();

  // The question's answer (Escape) keeps the window open.
  const bool questionWritten = PopupCapture::Run(
      main.Hwnd(), [&] { SendMessageW(main.Hwnd(), WM_CLOSE, 0, 0); },
      [&](UiWindow& box) { return screens::WriteCanvas(box, directory, "main-exit-question"); });
  written = questionWritten && written;

  // The highlight must cover every row to the link's last character, the caret after it.
  Text longLink = link + "&from=share";
  for (int i = 0; longLink.size() < 200; ++i) longLink += static_cast<char>('a' + i % 26);
  main.LinkBox().SetText(longLink);
  window.SetFocusControl(&main.LinkBox(), false);
  RestartCaret(main);
  main.LinkBox().KeyCommand('A', true);
  screens::Settle();
  written = screens::WriteCanvas(window, directory, "main-link-selected") && written;
  return written ? 0 : 1;
}

int WriteScreens(const std::string& directory, const std::string& link) {
  if (!FrameworkStartup(BuildEditContextMenu)) return 2;
  SetCursorPos(0, 0);  // no hover from wherever the pointer is
  const int status = WriteWindowStates(directory, link);
  if (status == 2) return status;
  MSG quit;  // the first window's end posted the quit meant for a program's loop
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  return WriteLongReason(directory) ? status : 1;
}

}  // namespace
}  // namespace getlink

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: main-window-screens DIR LINK\n");
    return 2;
  }
  const std::string directory = argv[1], link = argv[2];
  getlink::RunProcess([&] { return getlink::WriteScreens(directory, link); });
}
