#include "ui/controls/UiScrollBar.h"

#include <algorithm>

#include "ui/controls/ScrollBarLook.h"
#include "ui/framework/window/CrossFade.h"

namespace getlink {
namespace {

// An arrow held down repeats every tick, after this many ticks (the first step comes at once).
constexpr int kRepeatDelayTicks = 5;
constexpr UINT kRepeatTickMs = kFadeFrameMs;

// The bar's timers (its fades run on the window's clock).
enum class ScrollBarTimer { Repeat };

bool IsArrow(ScrollPart part) { return part == ScrollPart::FirstArrow || part == ScrollPart::SecondArrow; }

int Clamp(int value, const ScrollRange& range) { return std::max(range.minimum, std::min(value, range.maximum)); }

}  // namespace

// --- creating ---

bool UiScrollBar::Create(HWND host, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(host, rect, ControlType::ScrollBar, Prepare(options));
}

bool UiScrollBar::Create(UiControl& parent, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(parent, rect, ControlType::ScrollBar, Prepare(options));
}

CreateControlOptions UiScrollBar::Prepare(const Options& options) {
  range_.minimum = options.minimum;
  range_.maximum = options.maximum;
  range_.position = Clamp(options.position.value_or(options.minimum), range_);
  pageSize_ = options.pageSize;
  step_ = options.step;
  trackWhileDragging_ = options.trackWhileDragging;
  orientation_ = options.orientation;
  autoHideArrows_ = options.autoHideArrows;
  pressedPart_ = hotPart_ = ScrollPart::None;
  pointerOver_ = false;
  CreateControlOptions base;
  base.visible = options.visible;
  base.focusable = false;
  base.frameInterval = kFadeFrameMs;
  return base;
}

int UiScrollBar::OnCreate() {
  Layout();
  return kNotHandled;
}

int UiScrollBar::OnDestroy() {
  range_ = ScrollRange{0, 0, 0};
  thumbLength_ = 0;
  pressedPart_ = hotPart_ = ScrollPart::None;
  onChange_ = nullptr;
  return kNotHandled;
}

int UiScrollBar::OnResized(int, int) {
  Layout();
  return kNotHandled;
}

void UiScrollBar::Layout() {
  geometry_ = ScrollGeometry(orientation_, Width(), Height());
  thumbLength_ = geometry_.ThumbLength(range_);
}

// --- properties ---

void UiScrollBar::Store(int position) {
  range_.position = Clamp(position, range_);
  thumbLength_ = geometry_.ThumbLength(range_);
}

void UiScrollBar::SetPosition(int position) {
  if (Clamp(position, range_) == range_.position) return;
  Store(position);
  PaintNow();
}

void UiScrollBar::SetMinimum(int minimum) {
  range_.minimum = minimum;
  Store(range_.position);
  PaintNow();
}

void UiScrollBar::SetMaximum(int maximum) {
  range_.maximum = maximum;
  Store(range_.position);
  PaintNow();
}

void UiScrollBar::SetAutoHideArrows(bool on) {
  autoHideArrows_ = on;
  PaintNow();
}

// --- painting ---

void UiScrollBar::Repaint(int startFade) {
  const bool full = pointerOver_ || pressedPart_ != ScrollPart::None || !autoHideArrows_;
  if (thumbLength_ == 0) hotPart_ = ScrollPart::None;
  SetFadeLevel(startFade);
  if (!BeginControlPaint(true)) return;
  PaintScrollBar(Graphics(), geometry_, thumbLength_ > 0 ? ThumbRect() : Rect{}, full,
                 pressedPart_ != ScrollPart::None ? pressedPart_ : hotPart_);
  EndControlPaint();
}

int UiScrollBar::OnPaint() {
  Repaint(255);
  return kNotHandled;
}

// --- mouse ---

int UiScrollBar::AlongBar(POINT windowPoint) const {
  return geometry_.Along(windowPoint.x - Left(), windowPoint.y - Top());
}

ScrollPart UiScrollBar::PartAt(POINT windowPoint) const {
  return geometry_.HitTest(static_cast<float>(windowPoint.x - Left()), static_cast<float>(windowPoint.y - Top()),
                           range_, thumbLength_);
}

int UiScrollBar::OnMouseEnter() {
  pointerOver_ = true;
  Repaint(FadeStartForTicks(4));
  return kNotHandled;
}

int UiScrollBar::OnMouseLeave(UiControl*) {
  pointerOver_ = false;
  hotPart_ = ScrollPart::None;
  Repaint(FadeStartForTicks(4));
  return kNotHandled;
}

int UiScrollBar::OnMouseMove(const PointerInput& pointer) {
  if (IsArrow(pressedPart_)) return kNotHandled;
  if (pressedPart_ == ScrollPart::Thumb) {
    Drag(pointer.point);
    return kNotHandled;
  }
  const ScrollPart hot = thumbLength_ > 0 ? PartAt(pointer.point) : ScrollPart::None;
  if (hot == hotPart_) return kNotHandled;
  hotPart_ = hot;
  Repaint(FadeStartForTicks(4));
  return kNotHandled;
}

void UiScrollBar::Drag(POINT point) {
  const int position = geometry_.PixelToPosition(AlongBar(point) - grabOffset_, range_, thumbLength_);
  if (position == range_.position) return;
  Store(position);
  Repaint(255);
  if (trackWhileDragging_) NotifyChange();
}

int UiScrollBar::OnMouseDown(const PointerInput& pointer) {
  const POINT point = pointer.point;
  pressedPart_ = PartAt(point);
  positionAtPress_ = range_.position;
  if (pressedPart_ == ScrollPart::Thumb) grabOffset_ = AlongBar(point) - geometry_.ThumbStart(range_, thumbLength_);
  if (!IsArrow(pressedPart_)) {
    Repaint(FadeStartForTicks(4));
    return kNotHandled;
  }
  // A click moves one step at once; holding the arrow repeats after a short delay.
  repeatDelay_ = kRepeatDelayTicks;
  if (StepArrow()) StartTimer(ScrollBarTimer::Repeat, kRepeatTickMs);
  return kNotHandled;
}

int UiScrollBar::OnMouseUp(const PointerInput& pointer) {
  const bool draggedThumb = pressedPart_ == ScrollPart::Thumb;
  pressedPart_ = ScrollPart::None;
  StopTimer(ScrollBarTimer::Repeat);
  hotPart_ = thumbLength_ > 0 ? PartAt(pointer.point) : ScrollPart::None;
  Repaint(FadeStartForTicks(4));
  if (draggedThumb && !trackWhileDragging_ && range_.position != positionAtPress_) NotifyChange();
  return kNotHandled;
}

int UiScrollBar::OnPressCancelled() {
  // A held arrow stops repeating; a thumb that reports only on release goes back to where
  // it was, since that report never comes. Steps already reported stay.
  const bool draggedThumb = pressedPart_ == ScrollPart::Thumb;
  pressedPart_ = ScrollPart::None;
  StopTimer(ScrollBarTimer::Repeat);
  hotPart_ = ScrollPart::None;
  if (draggedThumb && !trackWhileDragging_) Store(positionAtPress_);
  Repaint(FadeStartForTicks(4));
  return kNotHandled;
}

// --- arrows and their repeat ---

// One step in the pressed arrow's direction, shown at once. False at the end of the range.
bool UiScrollBar::StepArrow() {
  const bool back = pressedPart_ == ScrollPart::FirstArrow;
  const int before = range_.position;
  Store(before + (back ? -step_ : step_));
  const bool atEnd = range_.position == (back ? range_.minimum : range_.maximum);
  if (atEnd) {
    pressedPart_ = ScrollPart::None;  // pinned: the repeat stops here
    StopTimer(ScrollBarTimer::Repeat);
  }
  Repaint(255);
  if (range_.position != before) NotifyChange();
  return !atEnd;
}

int UiScrollBar::OnTimer(TimerPurpose) {
  if (!IsArrow(pressedPart_)) {
    StopTimer(ScrollBarTimer::Repeat);
  } else if (repeatDelay_ > 0) {
    --repeatDelay_;
  } else {
    StepArrow();
  }
  return kNotHandled;
}

void UiScrollBar::NotifyChange() {
  if (thumbLength_ == 0 || !onChange_) return;
  // Copied first: the handler may destroy the bar.
  const ChangeHandler handler = onChange_;
  handler(ParentControl(), range_.position);
}

}  // namespace getlink
