#include "ui/framework/window/FadeClock.h"

#include <algorithm>

#include "ui/framework/window/CrossFade.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

void FadeClock::Start(UiControl& control) {
  if (!Fading(control)) fading_.push_back({&control, control.Serial()});
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
  // Copied: a control whose fade ends leaves the list meanwhile.
  const std::vector<Entry> stepping = fading_;
  for (const Entry& entry : stepping) {
    if (window_.IsLive(entry.control, entry.serial))
      StepCrossFade(*entry.control);
    else
      Stop(*entry.control);
  }
  return true;
}

void FadeClock::Reset() {
  fading_.clear();
  Arm();
}

void FadeClock::Arm() {
  UINT period = 0;
  for (const Entry& entry : fading_) {
    // A control whose interval was taken away while it faded ends its fade at the usual pace.
    const int frame = entry.control->FrameInterval();
    const auto interval = static_cast<UINT>(frame > 0 ? frame : window_.Style().fade.frameMs);
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
