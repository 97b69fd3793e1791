// The cross-fade every control plays between two looks. A control that changes its look
// sets its fade level to a start value before painting; the framework then draws the old
// look fading out and the new one fading in, and each tick of the control's timer (the
// style's fade.frameMs) raises the level by the style's fade.step until it reaches the
// control's Alpha, which ends the fade.
#pragma once

#include "ui/framework/window/UiControl.h"

namespace getlink {

// The start level of a fade of `control` that takes `ticks` ticks to reach full opacity.
inline int FadeStartForTicks(const UiControl& control, int ticks) { return control.Style().fade.StartForTicks(ticks); }

// One tick of the fade: the new look a step more opaque, and the control recomposed.
inline void StepCrossFade(UiControl& control) {
  control.SetFadeLevel(control.FadeLevel() + control.Style().fade.step);
  control.Invalidate();
}

}  // namespace getlink
