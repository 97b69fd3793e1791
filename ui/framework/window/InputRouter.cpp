#include "ui/framework/window/InputRouter.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/TextBuild.h"
#include "runtime/TextSearch.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// Sizing zones, numbered like the WMSZ_ edges that SC_SIZE + zone starts.
enum class SizingZone : int {
  None = 0, Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7, BottomRight = 8,
};

// The zone under (x, y): the style's near band of the top and left borders and its far
// band of the bottom and right ones resize.
SizingZone ZoneAt(int x, int y, int width, int height, const WindowStyle& style) {
  const int nearBand = style.sizingNearBand, farBand = style.sizingFarBand;
  if (y < nearBand) {
    if (x < farBand) return SizingZone::TopLeft;
    if (x > width - farBand) return SizingZone::TopRight;
    return SizingZone::Top;
  }
  if (y > height - farBand) {
    if (x < farBand) return SizingZone::BottomLeft;
    if (x > width - farBand) return SizingZone::BottomRight;
    return SizingZone::Bottom;
  }
  if (x < nearBand) return SizingZone::Left;
  if (x > width - farBand) return SizingZone::Right;
  return SizingZone::None;
}

LPCWSTR CursorOf(SizingZone zone) {
  switch (zone) {
    case SizingZone::TopLeft:
    case SizingZone::BottomRight: return IDC_SIZENWSE;
    case SizingZone::TopRight:
    case SizingZone::BottomLeft: return IDC_SIZENESW;
    case SizingZone::Top:
    case SizingZone::Bottom: return IDC_SIZENS;
    default: return IDC_SIZEWE;
  }
}

// --- decoding: each message once, into the event its control gets ---

PointerInput DecodePointer(WPARAM wparam, LPARAM lparam) {
  const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  // The window sends itself a double click as a press marked in place of the keys.
  if (wparam == kDoubleClickMarker) return {point, 0, true};
  return {point, static_cast<UINT>(wparam), false};
}

KeyInput DecodeKey(WPARAM key, LPARAM lparam) {
  return {static_cast<UINT>(key), static_cast<UINT>(LOWORD(lparam)), static_cast<UINT>(HIWORD(lparam))};
}

ControlEvent DecodeFocusedInput(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_CHAR:
      return {EventCode::Char, CharInput{static_cast<wchar_t>(wparam)}};
    case WM_IME_COMPOSITION:
      return {EventCode::ImeComposition, ImeInput{static_cast<DWORD>(lparam)}};
    case WM_COMMAND:
      // A menu names the control it was opened for in lparam.
      return {EventCode::Command, CommandInput{LOWORD(wparam), static_cast<std::uintptr_t>(lparam)}};
    case WM_MOUSEWHEEL: {
      POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};  // on the screen
      ScreenToClient(hwnd, &point);
      return {EventCode::MouseWheel,
              WheelInput{GET_WHEEL_DELTA_WPARAM(wparam), point, static_cast<UINT>(GET_KEYSTATE_WPARAM(wparam))}};
    }
    default:
      return {static_cast<EventCode>(msg), DecodeKey(wparam, lparam)};
  }
}

UiControl* HitIn(const std::vector<UiControl*>& controls, float x, float y) {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    UiControl* control = *it;
    if (!control->Visible() || control->Disabled() || !control->HitTest(x, y)) continue;
    UiControl* deeper = HitIn(control->Children(), x, y);
    return deeper != nullptr ? deeper : control;
  }
  return nullptr;
}

}  // namespace

// A control pointer with the life it belongs to: a handler may destroy the control, and
// the pointer must not be used after that.
struct InputRouter::Tracked {
  UiControl* control = nullptr;
  std::uint32_t serial = 0;
};

HWND InputRouter::Hwnd() const { return window_.Hwnd(); }

InputRouter::Tracked InputRouter::Track(UiControl* control) const {
  return {control, control != nullptr ? control->Serial() : 0};
}

UiControl* InputRouter::Live(const Tracked& tracked) const {
  return tracked.control != nullptr && window_.IsLive(tracked.control, tracked.serial) ? tracked.control : nullptr;
}

int InputRouter::Dispatch(UiControl* control, const ControlEvent& event) {
  return control != nullptr ? window_.Dispatch(*control, event) : kNotHandled;
}

void InputRouter::DispatchAndNotify(UiControl& control, const ControlEvent& event) {
  const Tracked target = Track(&control);
  Dispatch(&control, event);
  // The window hears of it even when the control's handler destroyed it (without it, then).
  window_.Notify(Live(target), event);
}

UiControl* InputRouter::HitTest(float x, float y) const {
  UiControl* frame = window_.CaptionButtonAt(x, y);
  return frame != nullptr && !frame->Disabled() ? frame : HitIn(window_.Controls(), x, y);
}

// --- hover ---

void InputRouter::ChangeHover(UiControl* hit, bool announceEnter) {
  if (hit == hovered_) return;
  const Tracked old = Track(hovered_);
  const Tracked next = Track(hit);
  hovered_ = hit;
  if (UiControl* control = Live(old); control != nullptr && control->Visible())
    DispatchAndNotify(*control, {EventCode::EvMouseLeave, OtherControl{hit}});
  if (!announceEnter) return;
  if (UiControl* control = Live(next))
    DispatchAndNotify(*control, {EventCode::EvMouseEnter, OtherControl{old.control}});
  if (UiControl* control = Live(next)) window_.UpdateTooltip(control);
}

void InputRouter::OnMouseLeaveWindow() {
  tracking_ = false;
  // A press goes on outside the window: the capture still brings its moves and release.
  if (pressed_ != nullptr) return;
  ReleaseCapture();
  ChangeHover(nullptr, false);
}

// --- press ---

void InputRouter::BeginPress(UiControl& control, const PointerInput& pointer) {
  const Tracked pressed = Track(&control);
  window_.Notify(&control, {EventCode::LeftDown, pointer});
  if (Live(pressed) == nullptr) return;
  pressed_ = &control;
  if (control.Focusable() && focused_ != &control) ChangeFocus(&control, false);
  if (pointer.doubleClick && Live(pressed) != nullptr) window_.Notify(&control, {EventCode::LeftDoubleClick, pointer});
  SetCapture(Hwnd());
}

void InputRouter::EndPress(const PointerInput& pointer) {
  // The press is over before anyone hears of it: a handler may open a modal loop.
  const Tracked pressed = Track(pressed_);
  pressed_ = nullptr;
  window_.Notify(nullptr, {EventCode::LeftUp, pointer});
  ReleaseCapture();
  UiControl* hit = HitTest(static_cast<float>(pointer.point.x), static_cast<float>(pointer.point.y));
  UiControl* control = Live(pressed);
  if (control != nullptr && hit == control) {
    Activate(*control, {true, pointer.point});
    return;
  }
  // Released elsewhere: the pressed control is left, the one under the mouse entered.
  hovered_ = control;
  if (control == nullptr || !control->Visible()) hovered_ = nullptr;
  ChangeHover(hit, true);
}

void InputRouter::Activate(UiControl& control, const ClickInput& click) {
  DispatchAndNotify(control, {EventCode::EvClick, click});
}

void InputRouter::CancelPress() {
  if (pressed_ == nullptr) return;
  const Tracked pressed = Track(pressed_);
  pressed_ = nullptr;  // first: releasing the capture below comes back as WM_CAPTURECHANGED
  if (GetCapture() == Hwnd()) ReleaseCapture();
  Dispatch(Live(pressed), EventCode::EvPressCancelled);
  // Where the pointer is now is not known: the next move finds the control under it.
  ChangeHover(nullptr, false);
}

void InputRouter::StartWindowDrag() {
  // The system moves the window while the button stays down.
  SendMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void InputRouter::ToggleMaximise() {
  PostMessageW(Hwnd(), WM_SYSCOMMAND, IsZoomed(Hwnd()) ? SC_RESTORE : SC_MAXIMIZE, 0);
  SendMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// --- mouse ---

void InputRouter::OnMouse(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_MOUSEMOVE && !tracking_) {
    TRACKMOUSEEVENT request = {sizeof request, TME_LEAVE, Hwnd(), 0};
    tracking_ = TrackMouseEvent(&request) != FALSE;
  }
  const PointerInput pointer = DecodePointer(wparam, lparam);
  const ControlEvent event = {static_cast<EventCode>(msg), pointer};
  if (window_.Frozen() || BorderHitTest(msg, pointer.point)) return;

  if (pressed_ != nullptr) {
    // Like a capture: every mouse message goes to the pressed control.
    Dispatch(pressed_, event);
    if (msg == WM_LBUTTONUP) EndPress(pointer);
    return;
  }

  const int y = pointer.point.y;
  UiControl* hit = HitTest(static_cast<float>(pointer.point.x), static_cast<float>(y));
  const Tracked target = Track(hit);
  ChangeHover(hit, msg == WM_MOUSEMOVE);

  switch (msg) {
    case WM_LBUTTONDOWN: {
      if (GetFocus() != Hwnd()) SetFocus(Hwnd());
      const bool doubleClick = pointer.doubleClick;
      UiControl* control = Live(target);
      if (control != nullptr &&
          (Dispatch(control, EventCode::EvQueryPress) != kNotHandled || control->Focusable())) {
        if (UiControl* still = Live(target)) BeginPress(*still, pointer);
      } else if (control != nullptr && doubleClick && control == window_.TitleControl() &&
                 window_.HasCaptionFlag(CaptionFlag::Title) && window_.HasCaptionFlag(CaptionFlag::Maximise)) {
        ToggleMaximise();
      } else if (control == nullptr && doubleClick) {
        if (y < window_.Style().window.captionHeight && window_.HasCaptionFlag(CaptionFlag::Maximise)) ToggleMaximise();
      } else if (window_.DragMove()) {
        StartWindowDrag();
      }
      // Either way the press itself still reaches the control under the mouse (below).
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      window_.Notify(Live(target), event);
      break;
    default:
      break;
  }
  Dispatch(Live(target), event);
}

bool InputRouter::BorderHitTest(UINT msg, POINT point) {
  if (!window_.Resizable() || pressed_ != nullptr || (msg != WM_MOUSEMOVE && msg != WM_LBUTTONDOWN) ||
      IsZoomed(Hwnd()))
    return false;
  const SizingZone zone = ZoneAt(point.x, point.y, window_.Width(), window_.Height(), window_.Style().window);
  if (zone == SizingZone::None) return false;
  SetCursor(LoadCursorW(nullptr, CursorOf(zone)));
  ChangeHover(nullptr, false);
  if (msg == WM_LBUTTONDOWN) SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_SIZE + static_cast<int>(zone), 0);
  return true;
}

// --- focus ---

void InputRouter::SetFocusControl(UiControl* control, bool fromKeyboard) {
  if (control == nullptr || control->Disabled() || !control->Visible() || !control->Focusable() ||
      control->Type() == ControlType::CaptionButton || control == focused_)
    return;
  ChangeFocus(control, fromKeyboard);
}

void InputRouter::ChangeFocus(UiControl* control, bool fromKeyboard) {
  const Tracked old = Track(focused_);
  const Tracked next = Track(control);
  focused_ = control;
  keyboardFocus_ = fromKeyboard ? control : nullptr;
  if (UiControl* lost = Live(old)) DispatchAndNotify(*lost, {EventCode::EvFocusLost, OtherControl{control}});
  if (UiControl* gained = Live(next)) DispatchAndNotify(*gained, {EventCode::EvFocusGained, OtherControl{old.control}});
  // Told of the control that holds the focus in the end (a combo box hands it to its edit).
  if (UiControl* gained = Live(next); gained != nullptr && gained == focused_) gained->TellAccessibility(AccessEvent::Focus);
}

void InputRouter::DropFocus() {
  if (keyboardFocus_ == focused_) keyboardFocus_ = nullptr;
  focused_ = nullptr;
}

// --- keyboard ---

void InputRouter::OnKeyDown(WPARAM key, LPARAM lparam) {
  if (Dispatch(focused_, {EventCode::KeyDown, DecodeKey(key, lparam)}) != kNotHandled) return;
  if (key == VK_TAB) {
    FocusNextTopLevel(GetKeyState(VK_SHIFT) < 0);
  } else if (key == VK_RETURN || key == VK_SPACE) {
    if (focused_ != nullptr && focused_->Visible() && !focused_->Disabled()) Activate(*focused_, ClickInput{});
  }
}

void InputRouter::OnFocusedInput(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (focused_ != nullptr) Dispatch(focused_, DecodeFocusedInput(Hwnd(), msg, wparam, lparam));
}

void InputRouter::FocusNextTopLevel(bool backwards) {
  const std::vector<UiControl*>& controls = window_.TabOrder(nullptr);
  if (controls.empty()) return;
  const std::size_t count = controls.size();
  UiControl* start = focused_;
  while (start != nullptr && start->ParentControl() != nullptr) start = start->ParentControl();
  auto at = std::find(controls.begin(), controls.end(), start);
  // With nothing focused the walk starts just outside the list, so that the first control
  // (backwards: the last) counts.
  std::size_t index = at != controls.end() ? static_cast<std::size_t>(at - controls.begin()) : backwards ? 0 : count - 1;
  for (std::size_t step = 0; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    UiControl* candidate = controls[index];
    if (candidate == start) return;
    if (UiWindow::IsTabStop(*candidate)) {
      SetFocusControl(candidate, true);
      return;
    }
  }
}

bool InputRouter::AddMnemonic(UiControl& control, int character) {
  auto entry = std::find_if(mnemonics_.begin(), mnemonics_.end(),
                            [&control](const Mnemonic& m) { return m.control == &control; });
  if (character == 0) {
    if (entry != mnemonics_.end()) mnemonics_.erase(entry);
  } else if (entry != mnemonics_.end()) {
    entry->character = character;
  } else {
    mnemonics_.push_back({&control, character});
  }
  return true;
}

int InputRouter::MnemonicOf(const UiControl& control) const {
  const auto entry = std::find_if(mnemonics_.begin(), mnemonics_.end(),
                                  [&control](const Mnemonic& m) { return m.control == &control; });
  return entry != mnemonics_.end() ? entry->character : 0;
}

void InputRouter::OnSysKeyDown(WPARAM key) {
  // Shift+F10 is the menu key of keyboards that have none: the focused control takes it so.
  if (key == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
    OnKeyDown(VK_APPS, 0);
    return;
  }
  const Text pressed = CharText(static_cast<int>(key));
  for (const Mnemonic& mnemonic : mnemonics_) {
    UiControl* control = mnemonic.control;
    if (CompareText(CharText(mnemonic.character), pressed, Case::Insensitive) != 0) continue;
    if (!control->Visible() || control->Disabled()) continue;
    Activate(*control, ClickInput{});
    return;
  }
}

// --- bookkeeping ---

void InputRouter::Forget(const UiControl& control) {
  if (pressed_ == &control) {
    pressed_ = nullptr;
    ReleaseCapture();
  }
  if (focused_ == &control) focused_ = nullptr;
  if (hovered_ == &control) hovered_ = nullptr;
  if (keyboardFocus_ == &control) keyboardFocus_ = nullptr;
  mnemonics_.erase(std::remove_if(mnemonics_.begin(), mnemonics_.end(),
                                  [&control](const Mnemonic& m) { return m.control == &control; }),
                   mnemonics_.end());
}

void InputRouter::Reset() {
  if (pressed_ != nullptr || tracking_) ReleaseCapture();
  pressed_ = focused_ = hovered_ = keyboardFocus_ = nullptr;
  tracking_ = false;
  mnemonics_.clear();
}

}  // namespace getlink
