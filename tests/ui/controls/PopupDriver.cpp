#include "tests/ui/controls/PopupDriver.h"

#include <gtest/gtest.h>

namespace getlink::testing {
namespace {

constexpr UINT kTickMs = 15;
constexpr DWORD kGiveUpMs = 5000;

}  // namespace

PopupDriver* PopupDriver::current_ = nullptr;

bool PopupDriver::Run(const wchar_t* title, const std::function<void()>& open, Action action) {
  current_ = this;
  title_ = title;
  action_ = std::move(action);
  popup_ = nullptr;
  actedAt_ = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &PopupDriver::Tick);
  open();
  KillTimer(nullptr, timer);
  current_ = nullptr;
  return popup_ != nullptr;
}

void CALLBACK PopupDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  PopupDriver* driver = current_;
  if (driver == nullptr) return;
  if (driver->popup_ == nullptr) {
    HWND found = FindWindowW(L"Zt_LayerUI", driver->title_);
    if (found == nullptr || !IsWindowVisible(found)) return;
    driver->popup_ = found;
    driver->actedAt_ = GetTickCount();
    driver->action_(found);
  } else if (IsWindow(driver->popup_) && GetTickCount() - driver->actedAt_ > kGiveUpMs) {
    ADD_FAILURE() << "the pop-up stayed open";
    PostMessageW(driver->popup_, WM_CLOSE, 0, 0);
  }
}

void ClickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }

}  // namespace getlink::testing
