// A button of the caption row (close, maximise/restore, minimise and four application
// buttons). It draws one cell of the shared caption-button sprite, fades between its
// normal, hot and pressed looks, and turns a click into the window command. It never
// takes the keyboard focus.
#pragma once

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

class UiCaptionButton : public UiControl {
 public:
  enum class State : int { Normal = 0, Hot = 1, Pressed = 2 };

  ~UiCaptionButton() override { Destroy(); }

  // `rect` in the window's pixels: the caption row is laid out from the scaled style.
  bool Create(HWND host, const Rect& rect, CaptionButtonKind kind, bool visible = true);
  CaptionButtonKind Kind() const { return kind_; }
  State PaintedState() const { return paintedState_; }

  // Shows the look of `state` (unless it is shown already and not forced), fading in
  // from `startFade`.
  void PaintState(State state, bool force, int startFade);

  AccessStates AccessibleState() override;
  Text DefaultActionName() const override { return kPressAction; }
  void DoDefaultAction() override { PressAsClick(); }

 protected:
  int OnDestroy() override;
  int OnPaint() override;
  int OnMouseDown(const PointerInput&) override;
  int OnMouseUp(const PointerInput&) override;
  int OnPressCancelled() override;
  int OnMouseEnter() override;
  int OnMouseLeave(UiControl* next) override;
  int OnMoved() override;
  int OnClick() override;
  int QueryPress() override { return 0; }  // pressable although never focusable
  AccessRole DefaultAccessibleRole() const override { return AccessRole::PushButton; }
  // Its tip text, or what the system calls such a button.
  Text DefaultAccessibleName() const override;

 private:
  CaptionButtonKind kind_ = CaptionButtonKind::Close;
  State paintedState_ = State::Normal;
};

}  // namespace getlink
