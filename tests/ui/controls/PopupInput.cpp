#include "tests/ui/controls/PopupInput.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/framework/window/UiWindow.h"

namespace getlink::testing {

PopupDriver::Finder MenuWindowOf(const UiMenu& menu) {
  return ActiveWindow([&menu] { return menu.Hwnd(); });
}

bool DrivePopup(const wchar_t* title, const std::function<void()>& open, PopupDriver::Action action) {
  PopupDriver driver(FrameworkWindowTitled(title), std::move(action));
  const bool shown = driver.Run(open);
  EXPECT_FALSE(driver.TimedOut()) << "the pop-up stayed open";
  return shown;
}

ScreenBox WorkArea() {
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickMenuItem(HWND menuWindow, const UiMenu& menu, int index) {
  RECT box = {};
  GetWindowRect(menuWindow, &box);
  std::vector<bool> separators;
  for (int i = 1; i <= menu.ItemCount(); ++i) separators.push_back(menu.ItemCaption(i).empty());
  const std::vector<Rect> items = MenuItemRects(box.right - box.left, separators, UiWindow::StyleOf(menuWindow).menu);
  const Rect item = items[static_cast<std::size_t>(index - 1)];
  ClickAt(menuWindow, static_cast<int>(item.left + item.width / 2), static_cast<int>(item.top + item.height / 2));
}

void PressKey(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }

void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }

}  // namespace getlink::testing
