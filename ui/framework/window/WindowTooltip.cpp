#include "ui/framework/window/WindowTooltip.h"

#include <commctrl.h>

#include <string>

#include "runtime/Codec.h"
#include "ui/framework/drawing/SystemEntryPoints.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

void WindowTooltip::Create(HWND owner) {
  Destroy();
  owner_ = owner;
}

// The common controls are loaded and the tooltip window made only for the first tip: most
// windows never show one, and loading the common controls costs a window's start-up more
// than anything else it does.
bool WindowTooltip::MakeWindow() {
  if (tooltip_ != nullptr) return true;
  if (owner_ == nullptr) return false;
  static const bool commonControlsReady = [] {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    return bound::InitCommonControlsEx(&init) != FALSE;
  }();
  (void)commonControlsReady;
  tooltip_.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 nullptr, nullptr, nullptr, nullptr));
  if (tooltip_ == nullptr) return false;
  SetWindowPos(tooltip_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, UiWindow::StyleOf(owner_).window.tooltipMaxWidth);
  return true;
}

void WindowTooltip::Destroy() {
  tooltip_.reset();
  owner_ = nullptr;
}

void WindowTooltip::Update(UiControl* control, std::optional<std::string_view> text) {
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  if (tooltip_ != nullptr) SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (control == nullptr) return;
  const Text tip = text ? Text(*text) : control->TipText();
  if (tip.empty() || !MakeWindow()) return;
  std::wstring wide = ToWide(tip);
  const Rect r = control->PixelRect();
  tool.rect = {static_cast<LONG>(r.left), static_cast<LONG>(r.top), static_cast<LONG>(r.Right()),
               static_cast<LONG>(r.Bottom())};
  tool.lpszText = wide.data();
  SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace getlink
