#include "tests/support/PopupDriver.h"

#include <map>

namespace getlink::testing {
namespace {

constexpr UINT kTickMs = 15;
constexpr DWORD kGiveUpMs = 5000;

// The armed drivers by their timer: several may be armed at once (a menu and its sub-menu).
std::map<UINT_PTR, PopupDriver*>& Armed() {
  static std::map<UINT_PTR, PopupDriver*> drivers;
  return drivers;
}

HWND Visible(HWND window) { return window != nullptr && IsWindowVisible(window) ? window : nullptr; }

// A framework pop-up takes the activation as it opens: acting before it has it would race
// with that (a click could land while the owner is still active, and the activation coming
// after would close the pop-up).
HWND Active(HWND window) { return Visible(window) != nullptr && GetForegroundWindow() == window ? window : nullptr; }

}  // namespace

void PopupDriver::Arm() {
  if (timer_ != 0) return;
  timer_ = SetTimer(nullptr, 0, kTickMs, &PopupDriver::Tick);
  Armed()[timer_] = this;
}

void PopupDriver::Disarm() {
  if (timer_ == 0) return;
  KillTimer(nullptr, timer_);
  Armed().erase(timer_);
  timer_ = 0;
}

bool PopupDriver::Run(const std::function<void()>& open) {
  Arm();
  open();
  Disarm();
  return opened_;
}

bool PopupDriver::Watch(int ms) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
  while (!opened_) {
    if (static_cast<int>(until - GetTickCount()) <= 0) return false;
    Step();
    if (!opened_) Sleep(20);
  }
  return true;
}

void CALLBACK PopupDriver::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Armed().find(id);
  if (found != Armed().end()) found->second->Step();
}

void PopupDriver::Step() {
  if (!opened_) {
    const HWND popup = find_();
    if (popup == nullptr) return;
    // Marked first: the action may run a loop of its own, in which the next steps come.
    opened_ = true;
    popup_ = popup;
    actedAt_ = GetTickCount();
    if (action_) action_(popup);
    return;
  }
  if (IsWindow(popup_) && GetTickCount() - actedAt_ > kGiveUpMs) {
    timedOut_ = true;
    PostMessageW(popup_, WM_CLOSE, 0, 0);
  }
}

PopupDriver::Finder FrameworkWindowTitled(const wchar_t* title) {
  return [title] { return Active(FindWindowW(L"Zt_LayerUI", title)); };
}

PopupDriver::Finder ActiveWindow(std::function<HWND()> window) {
  return [window = std::move(window)] { return Active(window()); };
}

PopupDriver::Finder SystemMessageBoxTitled(std::wstring title) {
  return [title = std::move(title)] { return Visible(FindWindowW(L"#32770", title.c_str())); };
}

}  // namespace getlink::testing
