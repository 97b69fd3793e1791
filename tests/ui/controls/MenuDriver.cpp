#include "tests/ui/controls/MenuDriver.h"

#include <map>

#include "ui/framework/window/UiWindow.h"

namespace getlink::testing {
namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kTimeLimitMs = 5000;

std::map<UINT_PTR, MenuDriver*>& Drivers() {
  static std::map<UINT_PTR, MenuDriver*> drivers;
  return drivers;
}

}  // namespace

void MenuDriver::Arm() {
  if (timer_ != 0) return;
  deadline_ = GetTickCount() + kTimeLimitMs;
  timer_ = SetTimer(nullptr, 0, kTickMs, &MenuDriver::Tick);
  Drivers()[timer_] = this;
}

void MenuDriver::Disarm() {
  if (timer_ == 0) return;
  KillTimer(nullptr, timer_);
  Drivers().erase(timer_);
  timer_ = 0;
}

void MenuDriver::PopupAt(HWND owner, int x, int y) {
  Arm();
  menu_.PopupAt(owner, x, y);
  Disarm();
}

void CALLBACK MenuDriver::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Drivers().find(id);
  if (found != Drivers().end()) found->second->OnTick();
}

void MenuDriver::OnTick() {
  const HWND menu = menu_.Hwnd();
  if (menu == nullptr) return;
  if (!opened_) {
    opened_ = true;
    if (action_) action_(menu);
    return;
  }
  if (static_cast<int>(GetTickCount() - deadline_) > 0) {
    timedOut_ = true;
    PostMessageW(menu, WM_CLOSE, 0, 0);
  }
}

ScreenBox WorkArea() {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

void ClickMenuItem(HWND menuWindow, const UiMenu& menu, int index) {
  RECT box = {};
  GetWindowRect(menuWindow, &box);
  std::vector<bool> separators;
  for (int i = 1; i <= menu.ItemCount(); ++i) separators.push_back(menu.ItemCaption(i).empty());
  const Rect item = MenuItemRects(box.right - box.left, separators, UiWindow::StyleOf(menuWindow).menu)[static_cast<std::size_t>(index - 1)];
  const LPARAM at = MAKELPARAM(static_cast<int>(item.left + item.width / 2), static_cast<int>(item.top + item.height / 2));
  SendMessageW(menuWindow, WM_MOUSEMOVE, 0, at);
  SendMessageW(menuWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(menuWindow, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }

}  // namespace getlink::testing
