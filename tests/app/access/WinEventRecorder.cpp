#include "tests/app/access/WinEventRecorder.h"

#include "runtime/MessagePump.h"

namespace getlink::testing {
namespace {

// The hook's callback has no context of its own: it reaches the one recorder through here.
WinEventRecorder* recording = nullptr;

}  // namespace

WinEventRecorder::WinEventRecorder(DWORD processId) {
  recording = this;
  hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &WinEventRecorder::Heard, processId, 0,
                          WINEVENT_OUTOFCONTEXT);
}

WinEventRecorder::~WinEventRecorder() {
  if (hook_) UnhookWinEvent(hook_);
  recording = nullptr;
}

void CALLBACK WinEventRecorder::Heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (recording) recording->events_.push_back({event, hwnd, object, child});
}

std::optional<WinEvent> WinEventRecorder::WaitFor(std::size_t mark, const std::function<bool(const WinEvent&)>& wanted,
                                                  int ms) {
  std::optional<WinEvent> found;
  // Events are checked as they arrive, each once: `wanted` may ask the other process about it.
  std::size_t next = mark;
  PumpMessagesUntil(
      [&] {
        while (!found && next < events_.size()) {
          const WinEvent event = events_[next++];  // a copy: asking may hear more events meanwhile
          if (wanted(event)) found = event;
        }
        return found.has_value();
      },
      ms);
  return found;
}

}  // namespace getlink::testing
