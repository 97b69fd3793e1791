// The framework's thin drawn scroll bar: an integer position inside a range, shown by a
// proportional thumb between two small arrows, reported to a callback when the user
// changes it. It never takes the keyboard focus.
//
// Input:
//   arrow pressed   moves one step at once; held, repeats on the bar's repeat timer until
//                   released or the end of the range is reached
//   thumb dragged   follows the pointer, pinned to the ends; reports every change, or only
//                   the final one on release when trackWhileDragging is off
//   track pressed   nothing moves
// Looks: idle (only a faint thumb) while autoHideArrows is on and the pointer is elsewhere;
// full (arrows, track, thumb, the part under the pointer hot) otherwise. Changes between
// looks cross-fade.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/controls/ScrollGeometry.h"
#include "ui/framework/window/OptionsControl.h"

namespace getlink {

struct ScrollBarOptions {
  // The range the bar starts with; Position(), Minimum() and Maximum() have it from then on.
  std::optional<int> position;  // absent: the minimum
  int minimum = 0;
  int maximum = 100;
  int pageSize = 10;  // kept for the owner; the bar does not use it
  int step = 1;       // one arrow step
  bool trackWhileDragging = true;
  ScrollOrientation orientation = ScrollOrientation::Horizontal;
  bool autoHideArrows = true;
  bool visible = true;
};

class UiScrollBar : public OptionsControl<UiControl, ScrollBarOptions, ControlType::ScrollBar> {
 public:
  // Called with the bar's parent control (null for a bar on the window) and the new position.
  using ChangeHandler = std::function<void(UiControl* owner, int position)>;

  UiScrollBar() = default;
  ~UiScrollBar() override { Destroy(); }

  // The setters keep the position inside the range and repaint; none calls the handler.
  int Position() const { return range_.position; }
  void SetPosition(int position);
  int Minimum() const { return range_.minimum; }
  void SetMinimum(int minimum);
  int Maximum() const { return range_.maximum; }
  void SetMaximum(int maximum);
  void SetPageSize(int pageSize) { options_.pageSize = pageSize; }
  void SetStep(int step) { options_.step = step; }
  void SetTrackWhileDragging(bool on) { options_.trackWhileDragging = on; }
  void SetAutoHideArrows(bool on);
  void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }

  // Geometry in the bar's own pixels; a thumb length of 0 means nothing to scroll.
  const ScrollGeometry& Geometry() const { return geometry_; }
  int ThumbLength() const { return thumbLength_; }
  Rect ThumbRect() const { return geometry_.ThumbRect(range_, thumbLength_); }
  ScrollPart PressedPart() const { return pressedPart_; }
  ScrollPart HotPart() const { return hotPart_; }

 // The position, as a screen reader reads it.
  Text AccessibleValue() const override { return std::to_string(range_.position); }

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::ScrollBar; }
  // Which way it scrolls, as the system names its scroll bars.
  Text DefaultAccessibleName() const override;
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int width, int height) override;
  int OnMouseMove(const PointerInput& pointer) override;
  int OnMouseDown(const PointerInput& pointer) override;
  int OnMouseUp(const PointerInput& pointer) override;
  int OnPressCancelled() override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;
  int OnTimer(TimerPurpose timer) override;
  int QueryPress() override { return 1; }  // pressable although never focusable

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  void Layout();
  ScrollPart PartAt(POINT windowPoint) const;
  int AlongBar(POINT windowPoint) const;
  void Store(int position);
  // After the bar's state changed: the new look, fading in from `startFade`, or from the
  // old look over the style's ticks.
  void ChangeLook(int startFade);
  void FadeToLook();
  void Drag(POINT windowPoint);
  bool StepArrow();
  void NotifyChange();

  ScrollRange range_;
  ScrollPart pressedPart_ = ScrollPart::None;
  int thumbLength_ = 0;
  int grabOffset_ = 0;
  int positionAtPress_ = 0;
  int repeatDelay_ = 0;
  bool pointerOver_ = false;
  ScrollGeometry geometry_;
  ScrollPart hotPart_ = ScrollPart::None;
  ChangeHandler onChange_;
};

}  // namespace getlink
