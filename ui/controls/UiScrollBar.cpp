#include "ui/controls/UiScrollBar.h"

#include <algorithm>

#include "ui/controls/ScrollBarLook.h"
#include "ui/framework/window/CrossFade.h"

namespace getlink {
namespace {

// The bar's timers (its fades run on the window's clock).
enum class ScrollBarTimer { Repeat };

bool IsArrow(ScrollPart part) { return part == ScrollPart::FirstArrow || part == ScrollPart::SecondArrow; }

int Clamp(int value, const ScrollRange& range) { return std::max(range.minimum, std::min(value, range.maximum)); }

}  // namespace

// --- creating ---

std::optional<CreateControlOptions> UiScrollBar::Prepare(const UiStyle& style) {
  range_.minimum = options_.minimum;
  range_.maximum = options_.maximum;
  range_.position = Clamp(options_.position.value_or(options_.minimum), range_);
  pressedPart_ = hotPart_ = ScrollPart::None;
  pointerOver_ = false;
  CreateControlOptions base;
  base.visible = options_.visible;
  base.focusable = false;
  base.frameInterval = style.fade.frameMs;
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
  geometry_ = ScrollGeometry(options_.orientation, PixelWidth(), PixelHeight(), Style().scrollBar);
  thumbLength_ = geometry_.ThumbLength(range_);
}

// --- properties ---

void UiScrollBar::Store(int position) {
  const int before = range_.position;
  range_.position = Clamp(position, range_);
  thumbLength_ = geometry_.ThumbLength(range_);
  if (range_.position != before) TellAccessibility(AccessEvent::ValueChange);
}

Text UiScrollBar::DefaultAccessibleName() const {
  return options_.orientation == ScrollOrientation::Vertical ? "垂直滚动条" : "水平滚动条";
}

void UiScrollBar::SetPosition(int position) {
  if (Clamp(position, range_) == range_.position) return;
  Store(position);
  ChangeLook(255);
}

void UiScrollBar::SetMinimum(int minimum) {
  range_.minimum = minimum;
  Store(range_.position);
  ChangeLook(255);
}

void UiScrollBar::SetMaximum(int maximum) {
  range_.maximum = maximum;
  Store(range_.position);
  ChangeLook(255);
}

void UiScrollBar::SetAutoHideArrows(bool on) {
  options_.autoHideArrows = on;
  ChangeLook(255);
}

// --- painting ---

void UiScrollBar::ChangeLook(int startFade) {
  if (thumbLength_ == 0) hotPart_ = ScrollPart::None;
  SetFadeLevel(startFade);
  Repaint();
}

void UiScrollBar::FadeToLook() { ChangeLook(FadeStartForTicks(*this, Style().scrollBar.fadeTicks)); }

int UiScrollBar::OnPaint() {
  const bool full = pointerOver_ || pressedPart_ != ScrollPart::None || !options_.autoHideArrows;
  if (!BeginControlPaint(true)) return kNotHandled;
  PaintScrollBar(Graphics(), geometry_, thumbLength_ > 0 ? ThumbRect() : Rect{}, full,
                 pressedPart_ != ScrollPart::None ? pressedPart_ : hotPart_, Style().scrollBar);
  EndControlPaint();
  return kNotHandled;
}

// --- mouse ---

int UiScrollBar::AlongBar(POINT windowPoint) const {
  return geometry_.Along(windowPoint.x - PixelLeft(), windowPoint.y - PixelTop());
}

ScrollPart UiScrollBar::PartAt(POINT windowPoint) const {
  return geometry_.HitTest(static_cast<float>(windowPoint.x - PixelLeft()),
                           static_cast<float>(windowPoint.y - PixelTop()), range_, thumbLength_);
}

int UiScrollBar::OnMouseEnter() {
  pointerOver_ = true;
  FadeToLook();
  return kNotHandled;
}

int UiScrollBar::OnMouseLeave(UiControl*) {
  pointerOver_ = false;
  hotPart_ = ScrollPart::None;
  FadeToLook();
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
  FadeToLook();
  return kNotHandled;
}

void UiScrollBar::Drag(POINT point) {
  const int position = geometry_.PixelToPosition(AlongBar(point) - grabOffset_, range_, thumbLength_);
  if (position == range_.position) return;
  Store(position);
  ChangeLook(255);
  if (options_.trackWhileDragging) NotifyChange();
}

int UiScrollBar::OnMouseDown(const PointerInput& pointer) {
  const POINT point = pointer.point;
  pressedPart_ = PartAt(point);
  positionAtPress_ = range_.position;
  if (pressedPart_ == ScrollPart::Thumb) grabOffset_ = AlongBar(point) - geometry_.ThumbStart(range_, thumbLength_);
  if (!IsArrow(pressedPart_)) {
    FadeToLook();
    return kNotHandled;
  }
  // A click moves one step at once; holding the arrow repeats after a short delay.
  repeatDelay_ = Style().scrollBar.repeatDelayTicks;
  if (StepArrow()) StartTimer(ScrollBarTimer::Repeat, static_cast<UINT>(Style().scrollBar.repeatTickMs));
  return kNotHandled;
}

int UiScrollBar::OnMouseUp(const PointerInput& pointer) {
  const bool draggedThumb = pressedPart_ == ScrollPart::Thumb;
  pressedPart_ = ScrollPart::None;
  StopTimer(ScrollBarTimer::Repeat);
  hotPart_ = thumbLength_ > 0 ? PartAt(pointer.point) : ScrollPart::None;
  FadeToLook();
  if (draggedThumb && !options_.trackWhileDragging && range_.position != positionAtPress_) NotifyChange();
  return kNotHandled;
}

int UiScrollBar::OnPressCancelled() {
  // A held arrow stops repeating; a thumb that reports only on release goes back to where
  // it was, since that report never comes. Steps already reported stay.
  const bool draggedThumb = pressedPart_ == ScrollPart::Thumb;
  pressedPart_ = ScrollPart::None;
  StopTimer(ScrollBarTimer::Repeat);
  hotPart_ = ScrollPart::None;
  if (draggedThumb && !options_.trackWhileDragging) Store(positionAtPress_);
  FadeToLook();
  return kNotHandled;
}

// --- arrows and their repeat ---

// One step in the pressed arrow's direction, shown at once. False at the end of the range.
bool UiScrollBar::StepArrow() {
  const bool back = pressedPart_ == ScrollPart::FirstArrow;
  const int before = range_.position;
  Store(before + (back ? -options_.step : options_.step));
  const bool atEnd = range_.position == (back ? range_.minimum : range_.maximum);
  if (atEnd) {
    pressedPart_ = ScrollPart::None;  // pinned: the repeat stops here
    StopTimer(ScrollBarTimer::Repeat);
  }
  ChangeLook(255);
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
