#include "ui/framework/window/ControlTimers.h"

#include <algorithm>

#include "ui/framework/window/FadeClock.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// Ids below this belong to the window itself (the fades' clock).
constexpr UINT_PTR kFirstId = FadeClock::kTimerId + 1;

}  // namespace

std::vector<ControlTimers::Entry>::iterator ControlTimers::Find(const UiControl& control, TimerPurpose purpose) {
  return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return entry.control == &control && entry.purpose == purpose;
  });
}

UINT_PTR ControlTimers::FreeId() const {
  // The lowest id not in use: small numbers, never the window object's address that the
  // skin's cross-fade uses.
  for (UINT_PTR id = kFirstId;; ++id) {
    if (std::none_of(entries_.begin(), entries_.end(), [id](const Entry& entry) { return entry.id == id; }))
      return id;
  }
}

void ControlTimers::Kill(UINT_PTR id) const {
  if (window_.Hwnd() != nullptr) KillTimer(window_.Hwnd(), id);
}

void ControlTimers::Start(UiControl& control, TimerPurpose purpose, UINT milliseconds) {
  if (window_.Hwnd() == nullptr) return;
  auto entry = Find(control, purpose);
  if (entry == entries_.end()) entry = entries_.insert(entries_.end(), {FreeId(), &control, control.Serial(), purpose});
  SetTimer(window_.Hwnd(), entry->id, milliseconds, nullptr);
}

void ControlTimers::Stop(const UiControl& control, TimerPurpose purpose) {
  const auto entry = Find(control, purpose);
  if (entry == entries_.end()) return;
  Kill(entry->id);
  entries_.erase(entry);
}

void ControlTimers::StopAll(const UiControl& control) {
  for (auto entry = entries_.begin(); entry != entries_.end();) {
    if (entry->control != &control) {
      ++entry;
      continue;
    }
    Kill(entry->id);
    entry = entries_.erase(entry);
  }
}

bool ControlTimers::Running(const UiControl& control, TimerPurpose purpose) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& entry) { return entry.control == &control && entry.purpose == purpose; });
}

std::vector<UINT_PTR> ControlTimers::IdsOf(const UiControl& control) const {
  std::vector<UINT_PTR> ids;
  for (const Entry& entry : entries_)
    if (entry.control == &control) ids.push_back(entry.id);
  return ids;
}

bool ControlTimers::OnTimer(UINT_PTR id) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
  if (entry == entries_.end()) return false;
  const Entry fired = *entry;
  if (!window_.IsLive(fired.control, fired.serial)) {
    Kill(fired.id);
    entries_.erase(entry);
    return true;
  }
  window_.Dispatch(*fired.control, {EventCode::Timer, TimerInput{fired.purpose}});
  return true;
}

void ControlTimers::Reset() {
  for (const Entry& entry : entries_) Kill(entry.id);
  entries_.clear();
}

}  // namespace getlink
