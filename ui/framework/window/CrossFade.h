// The cross-fade every control plays between two looks. A control that changes its look
// sets its fade level to a start value before painting; the framework then draws the old
// look fading out and the new one fading in, and each tick of the control's timer raises
// the level by kFadeStep until it reaches the control's Alpha, which ends the fade.
#pragma once

#include "ui/framework/window/UiControl.h"

namespace getlink {

constexpr int kFadeStep = 51;
// Period of a fading control's timer.
constexpr int kFadeFrameMs = 60;

// The start level of a fade that takes `ticks` ticks to reach full opacity: 0 (five
// ticks, from nothing), 51, 102, 153, 204 (one tick).
constexpr int FadeStartForTicks(int ticks) { return 255 - ticks * kFadeStep; }

// One tick of the fade: the new look a step more opaque, and the control recomposed.
inline void StepCrossFade(UiControl& control) {
  control.SetFadeLevel(control.FadeLevel() + kFadeStep);
  control.Invalidate();
}

}  // namespace getlink
