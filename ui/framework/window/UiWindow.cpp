#include "ui/framework/window/UiWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "runtime/Codec.h"
#include "ui/framework/access/AccessibleObject.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/ScaledStyle.h"
#include "ui/framework/window/EventMailbox.h"
#include "ui/framework/controls/UiCaptionButton.h"
#include "ui/framework/controls/UiCaptionTitle.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/controls/UiPicture.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

constexpr wchar_t kWindowProperty[] = L"Zt_Wnd_Control";

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  UiWindow* window = UiWindow::FromHwnd(hwnd);
  return window != nullptr ? window->WindowProc(msg, wparam, lparam) : DefWindowProcW(hwnd, msg, wparam, lparam);
}

void ChangeStyle(HWND hwnd, int index, LONG_PTR add, LONG_PTR remove) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, index);
  const LONG_PTR changed = (style | add) & ~remove;
  if (changed != style) SetWindowLongPtrW(hwnd, index, changed);
}

SIZE WindowSize(HWND hwnd) {
  RECT bounds = {};
  GetWindowRect(hwnd, &bounds);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

BOOL CALLBACK ClosePopupOf(HWND popup, LPARAM owner) {
  const UiWindow* window = UiWindow::FromHwnd(popup);
  if (window == nullptr || GetWindow(popup, GW_OWNER) != reinterpret_cast<HWND>(owner)) return TRUE;
  const PopupRole& role = window->Popup();
  if (role.kind == PopupKind::Owned || role.kind == PopupKind::CloseOnDeactivate)
    PostMessageW(role.chainHead != nullptr ? role.chainHead : popup, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

UiWindow::UiWindow()
    : skin_(style_), caption_(style_), composer_(*this), input_(*this), timers_(*this), fades_(*this), animations_(*this) {}

UiWindow::~UiWindow() { Destroy(); }

void UiWindow::Destroy() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

UiWindow* UiWindow::FromHwnd(HWND hwnd) {
  return hwnd != nullptr ? static_cast<UiWindow*>(GetPropW(hwnd, kWindowProperty)) : nullptr;
}

const UiStyle& UiWindow::StyleOf(HWND hwnd) {
  const UiWindow* window = FromHwnd(hwnd);
  return window != nullptr ? window->Style() : DefaultStyle();
}

// --- attaching ---

int UiWindow::CaptionFlagsFor(const AttachOptions& options, LONG_PTR style) const {
  int flags = options.captionFlags.value_or(0);
  if (!options.captionFlags || (flags & static_cast<int>(CaptionFlag::FromStyle)) != 0) {
    flags = CaptionFlag::Icon | CaptionFlag::Title | static_cast<int>(CaptionFlag::Close);
    if (style & WS_MAXIMIZEBOX) flags |= static_cast<int>(CaptionFlag::Maximise);
    if (style & WS_MINIMIZEBOX) flags |= static_cast<int>(CaptionFlag::Minimise);
  }
  return (flags | CaptionFlag::EdgeShadow) & ~static_cast<int>(CaptionFlag::FromStyle);
}

bool UiWindow::Attach(HWND hwnd, const AttachOptions& options) {
  if (!IsWindow(hwnd) || hwnd == hwnd_ || hwnd_ != nullptr || FromHwnd(hwnd) != nullptr) return false;
  hwnd_ = hwnd;
  scale_ = DisplayScale(FrameworkWindowDpi(hwnd));  // the DPI it was sized for
  style_ = ScaledStyle(baseStyle_, scale_.Factor());
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  skin_.Configure(options);
  resizable_ = options.resizable.value_or((style & WS_THICKFRAME) != 0);
  dragMove_ = options.dragMove;
  captionFlags_ = CaptionFlagsFor(options, style);

  SetPropW(hwnd, kWindowProperty, this);
  EventMailbox::Instance().OpenWindow(hwnd);
  defaultCursor_ = getlink::DefaultCursor() != nullptr ? getlink::DefaultCursor() : LoadCursorW(nullptr, IDC_ARROW);
  LONG_PTR remove = WS_THICKFRAME | WS_DLGFRAME | WS_BORDER;
  if (!HasCaptionFlag(CaptionFlag::Minimise)) remove |= WS_MINIMIZEBOX;
  if (!HasCaptionFlag(CaptionFlag::Maximise)) remove |= WS_MAXIMIZEBOX;
  ChangeStyle(hwnd, GWL_STYLE, WS_SYSMENU | WS_POPUP, remove);

  size_ = WindowSize(hwnd);
  composer_.Open(hwnd, size_);
  if (IsLayered()) ChangeStyle(hwnd, GWL_EXSTYLE, WS_EX_LAYERED, 0);
  oldWndProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindowProc)));

  // Built frozen and without fades: the window appears finished.
  animationsOn_ = false;
  frozen_ = true;
  caption_.Build(hwnd, captionFlags_, size_.cx);
  frozen_ = false;
  SetSkin(options.skinImage.empty() ? std::nullopt : std::optional<ByteSet>(options.skinImage), options.skinColour,
          SkinRepaint::Quiet);
  if (IsLayered()) composer_.Present();
  animationsOn_ = options.animationsOn;

  tooltip_.Create(hwnd);
  if (resizable_) ChangeStyle(hwnd, GWL_STYLE, WS_THICKFRAME, 0);
  return true;
}

void UiWindow::SetStyle(const UiStyle& style) {
  baseStyle_ = ScaledStyle(style, 1 / style.scale);
  baseStyle_.scale = 1;
  style_ = ScaledStyle(baseStyle_, scale_.Factor());
}

// --- controls ---

void UiWindow::AddTopLevel(UiControl& control) { controls_.push_back(&control); }

void UiWindow::Register(UiControl& control) { live_.insert(&control); }

void UiWindow::Unregister(UiControl& control) { live_.erase(&control); }

bool UiWindow::IsLive(const UiControl* control, std::uint32_t serial) const {
  return live_.count(control) != 0 && control->Serial() == serial;
}

UiControl* UiWindow::ControlFromHandle(std::uintptr_t handle) const {
  auto* control = reinterpret_cast<UiControl*>(handle);
  return live_.count(control) != 0 ? control : nullptr;
}

const std::vector<UiControl*>& UiWindow::TabOrder(const UiControl* parent) const {
  return parent != nullptr ? parent->Children() : controls_;
}

bool UiWindow::IsTabStop(const UiControl& control) {
  return control.Visible() && control.Focusable() && !control.Disabled() && control.Type() != ControlType::CaptionButton;
}

AccessibleObject* UiWindow::AccessibleRoot() {
  if (!accessibleRoot_ && hwnd_ != nullptr) accessibleRoot_ = AccessibleObject::OfWindow(*this);
  return accessibleRoot_.Get();
}

namespace {
// Item ids lie below every control's id (the negated serial of a control, far above this).
constexpr LONG kFirstItemId = -0x40000000;
}  // namespace

LONG UiWindow::AccessibleItemId(const UiControl& control, int item) {
  const auto same = [&](const AccessibleItemKey& key) {
    return key.control == &control && key.serial == control.Serial() && key.item == item;
  };
  auto at = std::find_if(accessibleItems_.begin(), accessibleItems_.end(), same);
  if (at == accessibleItems_.end()) {
    // A control that is gone gives its entries to new ones.
    at = std::find_if(accessibleItems_.begin(), accessibleItems_.end(),
                      [this](const AccessibleItemKey& key) { return !IsLive(key.control, key.serial); });
    if (at == accessibleItems_.end()) at = accessibleItems_.insert(accessibleItems_.end(), AccessibleItemKey{});
    *at = {&control, control.Serial(), item};
  }
  return kFirstItemId - static_cast<LONG>(at - accessibleItems_.begin());
}

std::pair<UiControl*, int> UiWindow::ItemOfAccessibleId(LONG id) const {
  if (id > kFirstItemId) return {nullptr, 0};
  const auto index = static_cast<std::size_t>(kFirstItemId - id);
  if (index >= accessibleItems_.size()) return {nullptr, 0};
  const AccessibleItemKey& key = accessibleItems_[index];
  if (!IsLive(key.control, key.serial)) return {nullptr, 0};
  return {const_cast<UiControl*>(key.control), key.item};
}

UiControl* UiWindow::TitleControl() const { return caption_.Title(); }

int UiWindow::Dispatch(UiControl& control, const ControlEvent& event) { return control.DispatchEvent(event); }

void UiWindow::Notify(UiControl* control, const ControlEvent& event) {
  const EventHandler handler = bindings_.First([&event](EventCode code) { return code == event.code; });
  if (handler) handler(control, event);
}

void UiWindow::Post(UiControl& control, ControlEvent event) {
  if (hwnd_ == nullptr) return;
  posted_.push_back({&control, control.Serial(), std::move(event)});
  if (!PostMessageW(hwnd_, ToMessage(FrameworkMessage::WmPostedEvent), 0, 0)) posted_.pop_back();
}

void UiWindow::DeliverPosted() {
  if (posted_.empty()) return;
  Posted next = std::move(posted_.front());
  posted_.pop_front();
  // The control may have gone, or started another life, since the event was posted.
  if (IsLive(next.control, next.serial)) Dispatch(*next.control, next.event);
}

// --- skin and presentation ---

void UiWindow::SetSkin(std::optional<ByteSet> image, std::optional<ColorRef> colour, SkinRepaint repaint) {
  const bool wasFrozen = frozen_;  // an effect may be playing (a resize during the opening)
  const bool crossFade = repaint == SkinRepaint::CrossFade && IsLayered() && !wasFrozen;
  if (crossFade) composer_.ComposeQueued();  // the old look as it stands, changes included
  frozen_ = true;
  skin_.Change(image, colour);
  if (crossFade) animations_.Snapshot();
  const PaintBackgroundHandler handler = onPaintBackground_;
  skin_.Paint(composer_.Canvas(), hwnd_, HasCaptionFlag(CaptionFlag::EdgeShadow), [&](GpGraphics* g) {
    if (handler) handler(hwnd_, g, size_.cx, size_.cy);
  });
  composer_.KeepBackground(skin_.ControlArea(size_));
  caption_.Layout(size_.cx);
  composer_.ComposeEverything(true);
  frozen_ = wasFrozen;
  skin_.ApplyBlurBehind(hwnd_, size_, true);
  // A window that is not layered cannot blend two looks: it shows the new one at once. An
  // effect that is playing shows it in its next frame.
  if (crossFade)
    animations_.StartSkinFade();
  else if (repaint != SkinRepaint::Quiet && !wasFrozen)
    composer_.Present();
}

void UiWindow::Present(std::optional<Rect> rect) {
  if (!rect) {
    composer_.Present();
    return;
  }
  const PixelBox box = CoveringPixels(*rect);
  const RECT pixels = {box.left, box.top, box.right, box.bottom};
  composer_.Present(&pixels);
}

// --- the window procedure ---

LRESULT UiWindow::WindowProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  // Behind a modal window of its thread the window takes no mouse or keys, whatever loop
  // pumps them (a message box's opening effect pumps before its own loop runs).
  if (IsInputMessage(msg) && !WindowTakesInput(hwnd_)) return 0;
  if (messageHook_) {
    const MessageHook hook = messageHook_;  // the hook may replace itself
    const int answer = hook(hwnd_, msg, wparam, lparam);
    // Whatever the hook answers, the window's own clean-up runs: no control, timer or
    // queued event may outlive the window.
    if (answer != kNotHandled && msg != WM_DESTROY) return answer;
  }
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC old = oldWndProc_;
      const HWND hwnd = hwnd_;
      OnDestroy();
      return CallWindowProcW(old, hwnd, msg, wparam, lparam);
    }
    case WM_SIZE:
      OnSize(static_cast<UINT>(wparam));
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) input_.CancelPress();
      break;
    case WM_CANCELMODE:
      input_.CancelPress();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != hwnd_) input_.CancelPress();
      break;
    case WM_SETTEXT:
      if (lparam != 0) caption_.SetTitle(FromWide(reinterpret_cast<LPCWSTR>(lparam)));
      break;
    case WM_PAINT:
      composer_.Paint();
      return 0;
    case WM_CLOSE:
      OnClose();
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) != hwnd_) break;
      SetCursor(Hovered() != nullptr && Hovered()->Cursor() != nullptr ? Hovered()->Cursor() : defaultCursor_);
      return 1;
    case WM_NCACTIVATE:
      return 1;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SHOWWINDOW:
      // A pop-up (menu, message box, drop-down) is read out as it appears.
      if (accessRole_ != AccessRole::Client) TellAccessibility(wparam != 0 ? AccessEvent::Show : AccessEvent::Hide);
      break;
    case WM_GETOBJECT:
      // The client area is described by the window's own objects (AccessibleObject.h).
      if (static_cast<LONG>(lparam) == OBJID_CLIENT && AccessibleRoot() != nullptr)
        return LresultFromObject(IID_IAccessible, wparam, static_cast<IAccessible*>(AccessibleRoot()));
      break;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_STYLECHANGED:
      if (wparam == static_cast<WPARAM>(GWL_STYLE)) ChangeStyle(hwnd_, GWL_STYLE, 0, WS_DLGFRAME | WS_BORDER);
      break;
    case WM_NCCALCSIZE:
      if (wparam != 0) return 0;  // no non-client area: the client is the whole window
      break;
    case WM_KEYDOWN:
      input_.OnKeyDown(wparam, lparam);
      break;
    case WM_SYSKEYDOWN:
      input_.OnSysKeyDown(wparam);
      break;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_IME_COMPOSITION:
    case WM_COMMAND:
    case WM_MOUSEWHEEL:
      input_.OnFocusedInput(msg, wparam, lparam);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      input_.OnMouse(msg, wparam, lparam);
      break;
    case WM_LBUTTONDBLCLK:
      SendMessageW(hwnd_, WM_LBUTTONDOWN, kDoubleClickMarker, lparam);
      return 0;
    case WM_MOUSELEAVE:
      input_.OnMouseLeaveWindow();
      break;
    case WM_TIMER: {
      const auto id = static_cast<UINT_PTR>(wparam);
      if (!animations_.OnTimer(id) && !fades_.OnTimer(id) && !timers_.OnTimer(id))
        KillTimer(hwnd_, id);  // no timer of this window's any more
      return 0;
    }
    default:
      if (msg >= ToMessage(FrameworkMessage::WmFocusControl) && msg <= ToMessage(FrameworkMessage::WmControlEvent))
        return OnFrameworkMessage(static_cast<FrameworkMessage>(msg), wparam, lparam);
      break;
  }
  return DefaultProc(msg, wparam, lparam);
}

LRESULT UiWindow::DefaultProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (hwnd_ == nullptr) return 0;
  return oldWndProc_ != nullptr ? CallWindowProcW(oldWndProc_, hwnd_, msg, wparam, lparam)
                                : DefWindowProcW(hwnd_, msg, wparam, lparam);
}

// Controls are named by their handle, which is looked up among the live controls: a
// message never makes the window use a pointer it did not hand out itself.
LRESULT UiWindow::OnFrameworkMessage(FrameworkMessage message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case FrameworkMessage::WmControlEvent: {
      // lparam is only a ticket: a forged or late message names no event and is ignored.
      const std::optional<EventMailbox::Delivery> delivery = EventMailbox::Instance().Take(hwnd_, lparam);
      if (!delivery) return kNotHandled;
      UiControl* control = ControlFromHandle(delivery->handle);
      const int result = control != nullptr && control->Serial() == delivery->serial
                             ? Dispatch(*control, delivery->event)
                             : kNotHandled;
      EventMailbox::Instance().Answer(lparam, result);
      return result;
    }
    case FrameworkMessage::WmPostedEvent:
      DeliverPosted();
      return 0;
    case FrameworkMessage::WmInvalidate:
      composer_.OnFlushMessage();  // what to do waits in the window, not in the message
      return 0;
    case FrameworkMessage::WmFocusControl:
      SetFocusControl(ControlFromHandle(static_cast<std::uintptr_t>(lparam)), false);
      return 0;
    case FrameworkMessage::WmAddMnemonic:
      if (UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(wparam)))
        AddMnemonic(*control, static_cast<int>(lparam));
      return 1;
    case FrameworkMessage::WmPresent:
      composer_.Present();
      return 0;
    case FrameworkMessage::WmControlMoved: {
      UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(wparam));
      if (control == nullptr) return 0;
      const std::uint32_t serial = control->Serial();
      Dispatch(*control, {EventCode::EvMoved});
      if (!frozen_ && lparam == 1 && IsLive(control, serial)) {
        composer_.Queue(control->PreviousPixelRect());
        composer_.Queue(control->PixelRect());
      }
      return 0;
    }
    case FrameworkMessage::WmForwardEvent: {
      UiControl* control = ControlFromHandle(static_cast<std::uintptr_t>(lparam));
      return control != nullptr ? Dispatch(*control, {EventCode::EvForwarded, std::any(wparam)}) : kNotHandled;
    }
    default:
      return DefaultProc(static_cast<UINT>(message), wparam, lparam);
  }
}

void UiWindow::OnGetMinMaxInfo(MINMAXINFO* info) const {
  const RECT work = DesktopWorkArea();
  const WindowStyle& limits = style_.window;
  const LONG overhang = limits.maximisedOverhang;
  info->ptMaxSize = {work.right - work.left + 2 * overhang, work.bottom - work.top + 2 * overhang};
  info->ptMaxPosition = {work.left - overhang, work.top - overhang};
  info->ptMinTrackSize = {caption_.MinimumWidth(),
                          captionFlags_ != 0 ? limits.minimumHeight : limits.minimumHeightWithoutCaption};
}

// --- display scale ---

// The window moved to a monitor of another DPI (or the DPI changed): it takes the place
// the system suggests, its style at the new scale, and every control keeps its place in
// 96-DPI units, now in the new pixels.
void UiWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const DisplayScale old = scale_;
  ClosePopups();
  scale_ = DisplayScale(dpi);
  style_ = ScaledStyle(baseStyle_, scale_.Factor());

  std::vector<UiControl*> all;
  const std::function<void(const std::vector<UiControl*>&)> collect = [&](const std::vector<UiControl*>& controls) {
    for (UiControl* control : controls) {
      all.push_back(control);
      collect(control->Children());
    }
  };
  collect(controls_);
  for (UiControl* control : all) control->FollowScale();
  for (UiControl* control : all) control->OnScaleChanged(scale_.Factor() / old.Factor());

  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowIcons(hwnd_, dpi);
  caption_.ShowNewIcon();
  caption_.Layout(size_.cx);
  if (onScaleChanged_) onScaleChanged_();
  SetSkin(std::nullopt, SkinColour(), SkinRepaint::Present);
}

// Drop-down lists and menus open over the old pixels: they close rather than follow.
void UiWindow::ClosePopups() const {
  EnumThreadWindows(GetCurrentThreadId(), &ClosePopupOf, reinterpret_cast<LPARAM>(hwnd_));
}

// --- size, closing and destruction ---

void UiWindow::OnSize(UINT type) {
  const bool restored = minimised_ && type != SIZE_MINIMIZED;
  minimised_ = type == SIZE_MINIMIZED;
  if (minimised_) return;
  const bool zoomed = type == SIZE_MAXIMIZED;
  const bool zoomChanged = zoomed != zoomed_;
  zoomed_ = zoomed;
  const SIZE size = WindowSize(hwnd_);
  if (size.cx != size_.cx || size.cy != size_.cy) {
    // New surfaces first: presenting a canvas of the old size would resize the window back.
    size_ = size;
    if (onResize_) {
      const ResizeHandler handler = onResize_;
      handler(hwnd_, size.cx, size.cy);
    }
    composer_.Resize(size);
    SetSkin(std::nullopt, SkinColour(), SkinRepaint::Present);
  } else if (restored) {
    composer_.Present();  // nothing was presented while the window was minimised
  }
  // The maximise button's glyph follows the state, even when the size stays the same.
  if (zoomChanged) {
    for (UiCaptionButton* button : caption_.Buttons()) Dispatch(*button, {EventCode::EvMoved});
  }
}

void UiWindow::OnClose() {
  animations_.PlayClose(closeEffect_, style_.window.effectMs);
  ShowWindow(hwnd_, SW_HIDE);
}

void UiWindow::TellPopupEnd() const {
  if (accessRole_ == AccessRole::MenuPopup) TellAccessibility(AccessEvent::MenuPopupEnd);
  if (accessRole_ == AccessRole::Dialog) TellAccessibility(AccessEvent::DialogEnd);
}

void UiWindow::OnDestroy() {
  frozen_ = true;
  if (oldWndProc_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
  animations_.Stop();
  for (UiControl* control : std::vector<UiControl*>(controls_)) control->Destroy();
  timers_.Reset();
  fades_.Reset();
  posted_.clear();
  caption_.Clear();
  skin_.Release();
  tooltip_.Destroy();
  input_.Reset();
  controls_.clear();
  captionFlags_ = 0;
  popup_ = {};
  TellPopupEnd();  // while the window is still there
  accessRole_ = AccessRole::Client;
  if (accessibleRoot_) accessibleRoot_.Get()->Disconnect();
  accessibleRoot_.Reset();
  accessibleItems_.clear();
  composer_.Close();
  EventMailbox::Instance().CloseWindow(hwnd_);
  RemovePropW(hwnd_, kWindowProperty);
  live_.clear();
  oldWndProc_ = nullptr;
  hwnd_ = nullptr;
  frozen_ = false;
}

}  // namespace getlink
