// The one timer that steps every cross-fade of a window's controls (CrossFade.h): while any
// control fades, the clock ticks at the shortest frame interval among the controls fading,
// and each control takes a step (the style's fade step, queued for composition) whenever
// the ticks since its last step add up to its own interval: a fade of 60 ms frames
// running beside one of 20 ms steps on every third tick, at its own pace. A control whose
// level reaches its Alpha leaves the clock, and the clock stops with the last one. A
// control's own timers (ControlTimers) never share it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace getlink {

class UiControl;
class UiWindow;

class FadeClock {
 public:
  // The clock's Win32 timer id on the window; control timers and the skin's cross-fade
  // use others.
  static constexpr UINT_PTR kTimerId = 1;

  explicit FadeClock(UiWindow& window) : window_(window) {}

  // The control fades from now on (it stays on the clock when it does already).
  void Start(UiControl& control);
  // The control fades no more.
  void Stop(const UiControl& control);
  bool Fading(const UiControl& control) const;
  // A WM_TIMER of the window: steps every fade when it is the clock's; false otherwise.
  bool OnTimer(UINT_PTR id);
  // The window goes: nothing fades any more.
  void Reset();

 private:
  struct Entry {
    UiControl* control;
    std::uint32_t serial;
    UINT waited;  // ms of ticks since the control's last step
  };

  // The control's frame interval: its own, or the style's when it has none.
  UINT IntervalOf(const UiControl& control) const;

  // Runs the timer at the shortest interval wanted, or stops it when nothing fades.
  void Arm();

  UiWindow& window_;
  std::vector<Entry> fading_;
  UINT period_ = 0;  // of the running timer; 0 while stopped
};

}  // namespace getlink
