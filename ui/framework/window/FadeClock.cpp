#include "ui/framework/window/FadeClock.h"

#include <algorithm>

#include "ui/framework/window/CrossFade.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

void FadeClock::Start(UiControl& control) {
  if (!Fading(control)) fading_.push_back({&control, control.Serial(), 0});
  Arm();
}

void FadeClock::Stop(const UiControl& control) {
  const auto gone = std::remove_if(fading_.begin(), fading_.end(),
                                   [&control](const Entry& entry) { return entry.control == &control; });
  if (gone == fading_.end()) return;
  fading_.erase(gone, fading_.end());
  Arm();
}

bool FadeClock::Fading(const UiControl& control) const {
  return std::any_of(fading_.begin(), fading_.end(),
                     [&control](const Entry& entry) { return entry.control == &control; });
}

bool FadeClock::OnTimer(UINT_PTR id) {
  if (id != kTimerId) return false;
  // The controls due now, collected first: a control whose fade ends leaves the list.
  std::vector<Entry> due;
  for (Entry& entry : fading_) {
    if (!window_.IsLive(entry.control, entry.serial)) {
      due.push_back(entry);
      continue;
    }
    entry.waited += period_;
    const UINT interval = IntervalOf(*entry.control);
    if (entry.waited < interval) continue;
    entry.waited -= interval;
    due.push_back(entry);
  }
  for (const Entry& entry : due) {
    if (window_.IsLive(entry.control, entry.serial))
      StepCrossFade(*entry.control);
    else
      Stop(*entry.control);
  }
  return true;
}

UINT FadeClock::IntervalOf(const UiControl& control) const {
  // A control whose interval was taken away while it faded ends its fade at the usual pace.
  const int frame = control.FrameInterval();
  return static_cast<UINT>(frame > 0 ? frame : window_.Style().fade.frameMs);
}

void FadeClock::Reset() {
  fading_.clear();
  Arm();
}

void FadeClock::Arm() {
  UINT period = 0;
  for (const Entry& entry : fading_) {
    const UINT interval = IntervalOf(*entry.control);
    period = period == 0 ? interval : std::min(period, interval);
  }
  if (period == period_) return;  // a fade that joins keeps the running clock's rhythm
  period_ = period;
  if (window_.Hwnd() == nullptr) return;
  if (period == 0)
    KillTimer(window_.Hwnd(), kTimerId);
  else
    SetTimer(window_.Hwnd(), kTimerId, period, nullptr);
}

}  // namespace getlink
