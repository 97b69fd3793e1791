#include "ui/framework/window/UiControl.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>

#include "ui/framework/access/AccessibleObject.h"
#include "ui/framework/window/UiWindow.h"
#include "ui/framework/window/WindowFunctions.h"

namespace getlink {
namespace {

// Rectangles compare with this tolerance everywhere.
constexpr float kTolerance = 1e-7f;

std::atomic<std::uint32_t> gNextSerial{1};

bool Differs(float a, float b) { return std::fabs(a - b) > kTolerance; }

}  // namespace

const UiStyle& ControlHost::Style() const {
  return parent != nullptr ? parent->Style() : UiWindow::StyleOf(window);
}

UiControl::~UiControl() { Destroy(); }

const UiStyle& UiControl::Style() const { return window_ != nullptr ? window_->Style() : DefaultStyle(); }

const DisplayScale& UiControl::Scale() const {
  static constexpr DisplayScale kBase;
  return window_ != nullptr ? window_->Scale() : kBase;
}

bool UiControl::Create(ControlHost host, const ControlPlace& place, ControlType type, const CreateOptions& options) {
  if (handle_ != 0) return true;
  if (UiControl* parent = host.parent) {
    // The parent must belong to the window that is still attached to its host.
    if (parent->window_ == nullptr || UiWindow::FromHwnd(parent->hostWnd_) != parent->window_) return false;
    return Attach(parent->hostWnd_, parent->window_, parent, place, type, options);
  }
  UiWindow* window = UiWindow::FromHwnd(host.window);
  if (window == nullptr) return false;
  return Attach(host.window, window, nullptr, place, type, options);
}

bool UiControl::Attach(HWND host, UiWindow* window, UiControl* parent, const ControlPlace& place, ControlType type,
                       const CreateOptions& options) {
  handle_ = reinterpret_cast<std::uintptr_t>(this);
  serial_ = gNextSerial++;
  hostWnd_ = host;
  window_ = window;
  const DisplayScale& scale = window->Scale();
  rect_ = place.pixels ? place.rect : scale.ToPixels(place.rect);
  units_ = place.pixels ? scale.ToUnits(place.rect) : place.rect;
  prevRect_ = rect_;
  cursor_ = options.cursorId ? LoadCursorW(nullptr, *options.cursorId) : nullptr;
  tipText_.clear();
  parent_ = nullptr;
  fadeLevel_ = 255;
  alpha_ = 255;
  type_ = type;
  visible_ = options.visible;
  focusable_ = options.focusable;
  disabled_ = false;
  animating_ = true;
  frameInterval_ = options.frameInterval;
  window_->Register(*this);
  if (parent == nullptr)
    window_->AddTopLevel(*this);
  else
    SetParentControl(parent);
  MakeSurface();
  SendEvent(EventCode::Create);
  Repaint();
  return true;
}

void UiControl::Destroy() {
  if (handle_ == 0 || window_ == nullptr || destroying_) return;
  destroying_ = true;  // a destroy handler calling Destroy again does nothing
  visible_ = false;
  Invalidate();  // the area is composed again without the control
  const std::vector<UiControl*> children = children_;
  for (UiControl* child : children) child->Destroy();
  DispatchEvent({EventCode::Destroy});
  // A client may hold the object for ever: it answers CO_E_OBJNOTCONNECTED from now on.
  if (accessible_) accessible_.Get()->Disconnect();
  accessible_.Reset();
  StopOwnTimers();
  window_->input_.Forget(*this);
  Unlink();
  window_->Unregister(*this);

  handle_ = 0;
  serial_ = 0;
  hostWnd_ = nullptr;
  window_ = nullptr;
  parent_ = nullptr;
  children_.clear();
  visible_ = disabled_ = animating_ = false;
  focusable_ = true;
  cursor_ = nullptr;
  bindings_.Clear();
  rect_ = prevRect_ = units_ = Rect();
  tipText_.clear();
  tag_.clear();
  type_ = ControlType::None;
  fadeLevel_ = alpha_ = 255;
  frameInterval_ = 0;
  fadeImage_.reset();
  surface_ = Surface();
  paintNeed_ = PaintNeed::None;
  paintArea_.reset();
  destroying_ = false;
}

std::vector<UiControl*>& UiControl::SiblingList() {
  return parent_ != nullptr ? parent_->children_ : window_->TopLevelList();
}

void UiControl::Unlink() {
  if (window_ == nullptr) return;
  std::vector<UiControl*>& siblings = SiblingList();
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
}

void UiControl::SetParentControl(UiControl* newParent) {
  if (window_ == nullptr || newParent == parent_) return;
  // Under itself or one of its own descendants would make a cycle; another window's
  // control is no parent for it either.
  for (const UiControl* above = newParent; above != nullptr; above = above->parent_)
    if (above == this) return;
  if (newParent != nullptr && newParent->window_ != window_) return;
  Unlink();
  parent_ = newParent;
  SiblingList().push_back(this);
  Invalidate();
}

void UiControl::ZOrder(ZPosition position, bool redraw) {
  if (window_ == nullptr) return;
  Unlink();
  std::vector<UiControl*>& siblings = SiblingList();
  if (position == ZPosition::Bottom)
    siblings.insert(siblings.begin(), this);
  else
    siblings.push_back(this);
  if (redraw) Invalidate();
}

void UiControl::Move(const MoveArgs& args) {
  if (window_ == nullptr) return;
  const Rect units = {args.left.value_or(units_.left), args.top.value_or(units_.top),
                      args.width.value_or(units_.width), args.height.value_or(units_.height)};
  Place(Scale().ToPixels(units), units, args.redraw);
}

void UiControl::MovePixels(const MoveArgs& args) {
  if (window_ == nullptr) return;
  const Rect pixels = {args.left.value_or(rect_.left), args.top.value_or(rect_.top),
                       args.width.value_or(rect_.width), args.height.value_or(rect_.height)};
  Place(pixels, Scale().ToUnits(pixels), args.redraw);
}

void UiControl::Place(const Rect& pixels, const Rect& units, bool redraw) {
  const Rect oldUnits = units_;
  units_ = units;
  const bool moved = Differs(pixels.left, rect_.left) || Differs(pixels.top, rect_.top);
  const bool resized = Differs(pixels.width, rect_.width) || Differs(pixels.height, rect_.height);
  ShiftDescendants(pixels.left - rect_.left, pixels.top - rect_.top, units.left - oldUnits.left,
                   units.top - oldUnits.top);
  if (!moved && !resized) return;
  prevRect_ = rect_;
  rect_ = pixels;
  if (resized) Resized();
  SendMessageW(hostWnd_, ToMessage(FrameworkMessage::WmControlMoved), static_cast<WPARAM>(handle_),
               visible_ && redraw ? 1 : 0);
}

void UiControl::FollowScale() {
  const Rect pixels = Scale().ToPixels(units_);
  const bool resized = Differs(pixels.width, rect_.width) || Differs(pixels.height, rect_.height);
  prevRect_ = rect_ = pixels;
  if (resized) Resized();
}

void UiControl::Resized() {
  MakeSurface();
  SendEvent({EventCode::EvResized, SizeInput{PixelWidth(), PixelHeight()}});
  Repaint();
}

void UiControl::ShiftDescendants(float dx, float dy, float ux, float uy) {
  for (UiControl* child : children_) {
    child->rect_.left += dx;
    child->rect_.top += dy;
    child->units_.left += ux;
    child->units_.top += uy;
    child->ShiftDescendants(dx, dy, ux, uy);
  }
}

void UiControl::SetLeft(int value) {
  if (Differs(static_cast<float>(value), units_.left)) Move({static_cast<float>(value)});
}
void UiControl::SetTop(int value) {
  if (Differs(static_cast<float>(value), units_.top)) Move({std::nullopt, static_cast<float>(value)});
}
void UiControl::SetWidth(int value) {
  if (Differs(static_cast<float>(value), units_.width))
    Move({std::nullopt, std::nullopt, static_cast<float>(value)});
}
void UiControl::SetHeight(int value) {
  if (Differs(static_cast<float>(value), units_.height))
    Move({std::nullopt, std::nullopt, std::nullopt, static_cast<float>(value)});
}

void UiControl::MakeSurface() {
  surface_ = Surface(static_cast<int>(rect_.width), static_cast<int>(rect_.height));
}

void UiControl::SetVisible(bool visible) {
  if (window_ == nullptr || visible == visible_) return;
  visible_ = visible;
  SendEvent(visible ? EventCode::EvShown : EventCode::EvHidden);
  Invalidate();
  TellAccessibility(visible ? AccessEvent::Show : AccessEvent::Hide);
}

void UiControl::SetDisabled(bool disabled) {
  if (window_ == nullptr || disabled == disabled_) return;
  disabled_ = disabled;
  if (IsFocused()) {
    window_->input_.DropFocus();
    PostEvent(EventCode::EvFocusLost);
  }
  PostEvent(EventCode::EvMouseLeave);
  Invalidate();
  TellAccessibility(AccessEvent::StateChange);
}

bool UiControl::Available() const {
  for (const UiControl* control = this; control != nullptr; control = control->parent_)
    if (control->disabled_) return false;
  return WindowTakesInput(hostWnd_);
}

bool UiControl::TakesInput() const {
  for (const UiControl* control = this; control != nullptr; control = control->parent_)
    if (!control->visible_) return false;
  return handle_ != 0 && Available();
}

bool UiControl::IsFocused() { return window_ != nullptr && FocusAnswer(SendEvent(EventCode::EvQueryFocus)); }

bool UiControl::HoldsFocus() { return window_ != nullptr && FocusAnswer(QueryFocus()); }

bool UiControl::FocusAnswer(int queryAnswer) const {
  return queryAnswer != kNotHandled ? queryAnswer == 1 : window_->Focused() == this;
}

void UiControl::Repaint() { AskForPaint(std::nullopt); }

void UiControl::Repaint(const Rect& area) { AskForPaint(area); }

void UiControl::AskForPaint(const std::optional<Rect>& area) {
  if (window_ == nullptr) return;
  const PaintNeed before = paintNeed_;
  if (!area) {
    paintNeed_ = PaintNeed::Whole;
  } else if (before != PaintNeed::Whole) {
    paintPart_ = before == PaintNeed::Part ? Union(paintPart_, *area) : *area;
    paintNeed_ = PaintNeed::Part;
  }
  if (before == PaintNeed::None) window_->composer_.RequestPaint(*this);
}

void UiControl::PaintAsRequested() {
  if (paintNeed_ == PaintNeed::None || window_ == nullptr) return;
  // Taken before painting: a paint that asks again is painted in the next round.
  paintArea_ = paintNeed_ == PaintNeed::Part ? std::optional<Rect>(paintPart_) : std::nullopt;
  paintNeed_ = PaintNeed::None;
  window_->Dispatch(*this, {EventCode::Paint});
  paintArea_.reset();
}

void UiControl::Invalidate() {
  if (window_ != nullptr) window_->InvalidateRect(rect_);
}

void UiControl::SetTipText(Text text, bool apply) {
  tipText_ = std::move(text);
  if (apply) ApplyTip();
}

void UiControl::ApplyTip(std::optional<std::string_view> text) {
  if (window_ != nullptr) window_->UpdateTooltip(this, text);
}

void UiControl::BindEvent(EventCode code, EventHandler handler) { bindings_.Bind(code, std::move(handler)); }

void UiControl::SetAlpha(int alpha, bool redraw) {
  alpha_ = fadeLevel_ = std::clamp(alpha, 0, 255);
  SendEvent({EventCode::EvAlphaChanged, AlphaInput{alpha_}});
  if (redraw) Invalidate();
}

void UiControl::SetFadeLevel(int level) {
  if (window_ != nullptr && !window_->AnimationsOn()) level = alpha_;
  fadeLevel_ = level;
  if (fadeLevel_ >= alpha_) {
    fadeLevel_ = alpha_;
    if (window_ != nullptr) window_->fades_.Stop(*this);
    fadeImage_.reset();
  }
}

void UiControl::StopAnimation() {
  animating_ = false;
  StopOwnTimers();
}

void UiControl::StopOwnTimers() {
  if (window_ == nullptr) return;
  window_->fades_.Stop(*this);
  window_->timers_.StopAll(*this);
}

void UiControl::StartTimer(TimerPurpose purpose, UINT milliseconds) {
  if (window_ != nullptr) window_->timers_.Start(*this, purpose, milliseconds);
}

void UiControl::StopTimer(TimerPurpose purpose) {
  if (window_ != nullptr) window_->timers_.Stop(*this, purpose);
}

bool UiControl::TimerRunning(TimerPurpose purpose) const {
  return window_ != nullptr && window_->timers_.Running(*this, purpose);
}

ControlAddress UiControl::Address() const { return {hostWnd_, handle_, serial_}; }

int UiControl::SendEvent(const ControlEvent& event) { return handle_ != 0 ? DispatchEvent(event) : kNotHandled; }

void UiControl::PostEvent(ControlEvent event) {
  if (handle_ != 0) window_->Post(*this, std::move(event));
}

bool UiControl::BeginControlPaint(bool clear) {
  if (hostWnd_ == nullptr || window_ == nullptr) return false;
  fadeImage_.reset();
  if (!window_->Frozen() && clear && frameInterval_ != 0) {
    if (fadeLevel_ != alpha_ && surface_) {
      // The old look, drawn fading out while the new one fades in.
      GpBitmap* copy = nullptr;
      if (gdip::GdipCloneBitmapAreaI(0, 0, surface_.Width(), surface_.Height(), PixelFormat32bppPARGB,
                                     surface_.Bitmap(), &copy) == Gdiplus::Ok)
        fadeImage_.reset(copy);
    }
  }
  if (clear) surface_.Clear();
  return static_cast<bool>(surface_);
}

void UiControl::EndControlPaint() {
  if (window_ == nullptr) return;
  if (animating_ && visible_) window_->InvalidateRect(rect_);
  // The window's fade clock steps a pending cross-fade; a control at its target opacity
  // needs none, so an idle window gets no timer messages.
  if (frameInterval_ != 0 && fadeLevel_ < alpha_) window_->fades_.Start(*this);
}

bool UiControl::HitTest(float x, float y) const {
  return rect_.left - x <= kTolerance && rect_.top - y <= kTolerance && x < rect_.Right() + kTolerance &&
         y < rect_.Bottom() + kTolerance;
}

int UiControl::DispatchEvent(const ControlEvent& event) {
  const int result = OnEvent(event);
  // A double click's press is a LeftDown for both kinds of binding; the first bound runs.
  const bool doubleClick = event.code == EventCode::LeftDown && event.Pointer().doubleClick;
  const EventHandler handler = bindings_.First([&event, doubleClick](EventCode code) {
    return code == EventCode::LeftDoubleClick ? doubleClick : code == event.code;
  });
  // Copied out first: the handler may destroy this control or rebind its events.
  UiControl* const parent = parent_;
  if (handler) handler(parent, *this, event);
  return result;
}

int UiControl::OnEvent(const ControlEvent& event) {
  switch (event.code) {
    case EventCode::Create: return OnCreate();
    case EventCode::Destroy: return OnDestroy();
    case EventCode::Paint: return OnPaint();
    case EventCode::Timer: return OnTimer(event.Get<TimerInput>().purpose);
    case EventCode::MouseMove: return OnMouseMove(event.Pointer());
    case EventCode::LeftDown: return OnMouseDown(event.Pointer());
    case EventCode::LeftUp: return OnMouseUp(event.Pointer());
    case EventCode::RightDown: return OnRightDown(event.Pointer());
    case EventCode::RightUp: return OnRightUp(event.Pointer());
    case EventCode::MouseWheel: return OnMouseWheel(event.Get<WheelInput>());
    case EventCode::KeyDown: return OnKeyDown(event.Key());
    case EventCode::KeyUp: return OnKeyUp(event.Key());
    case EventCode::Char: return OnChar(event.Get<CharInput>().unit);
    case EventCode::ImeComposition: return OnImeComposition(event.Get<ImeInput>());
    case EventCode::Command: return OnCommand(event.Get<CommandInput>());
    case EventCode::SetText: return OnSetText(event.Get<TextInput>());
    case EventCode::GetText: {
      Text* const text = event.Get<TextRequest>().text;
      return text != nullptr ? OnGetText(*text) : kNotHandled;
    }
    case EventCode::EvFocusGained: return OnFocusGained(event.Other());
    case EventCode::EvFocusLost: return OnFocusLost(event.Other());
    case EventCode::EvMouseEnter: return OnMouseEnter();
    case EventCode::EvMouseLeave: return OnMouseLeave(event.Other());
    case EventCode::EvClick: return OnClick();
    case EventCode::EvPressCancelled: return OnPressCancelled();
    case EventCode::EvResized: return OnResized(event.Size().width, event.Size().height);
    case EventCode::EvShown: return OnShown();
    case EventCode::EvHidden: return OnHidden();
    case EventCode::EvMoved: return OnMoved();
    case EventCode::EvRefresh: return OnRefresh();
    case EventCode::EvAlphaChanged: return OnAlphaChanged(event.Get<AlphaInput>().alpha);
    case EventCode::EvQueryPress: return QueryPress();
    case EventCode::EvQueryDimming: return QueryDimming();
    case EventCode::EvQueryFocus: return QueryFocus();
    case EventCode::EvDefaultAction: {
      // Asked for before a message box opened or the control was disabled: not any more.
      if (!TakesInput()) return 0;
      const int item = event.Get<ActionInput>().item;
      if (item == 0)
        DoDefaultAction();
      else
        DoItemDefaultAction(item);
      return 0;
    }
    case EventCode::EvCompose: {
      const ComposeContext* const context = event.Get<ComposeInput>().context;
      return context != nullptr ? Compose(*context) : kNotHandled;
    }
    default: return kNotHandled;
  }
}

// --- accessibility ---

Text UiControl::AccessibleName() const { return accessName_.value_or(DefaultAccessibleName()); }

void UiControl::SetAccessibleName(Text name) {
  accessName_ = std::move(name);
  TellAccessibility(AccessEvent::NameChange);
}

AccessStates UiControl::AccessibleState() {
  AccessStates states = 0;
  for (const UiControl* control = this; control != nullptr; control = control->parent_)
    if (!control->visible_) states |= STATE_SYSTEM_INVISIBLE;
  if (!Available())
    states |= STATE_SYSTEM_UNAVAILABLE;
  else if (focusable_ && type_ != ControlType::CaptionButton)
    states |= STATE_SYSTEM_FOCUSABLE;
  if (IsFocused()) states |= STATE_SYSTEM_FOCUSED;
  return states;
}

Text UiControl::AccessibleShortcut() const {
  const int character = window_ != nullptr ? window_->input_.MnemonicOf(*this) : 0;
  if (character == 0) return Text();
  return "Alt+" + Text(1, static_cast<char>(std::toupper(character)));
}

Text UiControl::NameOfLabelBefore() const {
  if (window_ == nullptr) return Text();
  const std::vector<UiControl*>& siblings = window_->TabOrder(parent_);
  auto at = std::find(siblings.begin(), siblings.end(), this);
  while (at != siblings.begin()) {
    const UiControl* before = *--at;
    if (before->type_ == ControlType::Label) return before->AccessibleName();
    if (UiWindow::IsTabStop(*before)) break;  // the label there belongs to that control
  }
  return Text();
}

void UiControl::PressAsClick() {
  if (window_ != nullptr && TakesInput()) window_->Click(*this);
}

void UiControl::TellAccessibility(AccessEvent event) const {
  if (handle_ != 0) NotifyAccessibilityClients(hostWnd_, event, AccessibleId());
}

void UiControl::TellAccessibility(AccessEvent event, int item) const {
  if (handle_ != 0) NotifyAccessibilityClients(hostWnd_, event, window_->AccessibleItemId(*this, item));
}

AccessibleObject* UiControl::AccessibleObjectOf() {
  if (!accessible_ && handle_ != 0) accessible_ = AccessibleObject::OfControl(*this);
  return accessible_.Get();
}

}  // namespace getlink
