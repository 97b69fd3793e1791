// The timers of a window's controls, each named by its control and a purpose of that
// control's own (an edit box's caret blink and drag scroll, a scroll bar's arrow repeat, a
// menu item's sub-menu delay, a picture's next frame), so that no two share a Win32 timer
// and none shares the fades' clock (FadeClock). The window gives out the ids: WM_TIMER names
// one, and this table names the control and purpose it belongs to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/framework/window/ControlEvent.h"

namespace getlink {

class UiControl;
class UiWindow;

class ControlTimers {
 public:
  explicit ControlTimers(UiWindow& window) : window_(window) {}

  // Runs the control's timer of that purpose every `milliseconds`; a running one starts
  // its period over.
  void Start(UiControl& control, TimerPurpose purpose, UINT milliseconds);
  void Stop(const UiControl& control, TimerPurpose purpose);
  void StopAll(const UiControl& control);
  bool Running(const UiControl& control, TimerPurpose purpose) const;
  // The Win32 ids of the control's running timers.
  std::vector<UINT_PTR> IdsOf(const UiControl& control) const;
  // A WM_TIMER of the window: the control hears its timer's purpose. False when the id is
  // no control timer's.
  bool OnTimer(UINT_PTR id);
  // The window goes: every timer with it.
  void Reset();

 private:
  struct Entry {
    UINT_PTR id;
    UiControl* control;
    std::uint32_t serial;
    TimerPurpose purpose;
  };

  std::vector<Entry>::iterator Find(const UiControl& control, TimerPurpose purpose);
  UINT_PTR FreeId() const;
  void Kill(UINT_PTR id) const;

  UiWindow& window_;
  std::vector<Entry> entries_;
};

}  // namespace getlink
