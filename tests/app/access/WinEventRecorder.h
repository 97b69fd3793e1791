// What a screen reader hears of another process: every WinEvent it raises, recorded by an
// out-of-context hook. The hook's callbacks arrive while the calling thread runs its
// messages, so waiting here pumps them.
//
// Under Wine a thread learns of a new hook only with the next message it receives: set the
// recorder up before the first call into the window (which reaches it as a message).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace getlink::testing {

struct WinEvent {
  DWORD event = 0;
  HWND hwnd = nullptr;
  LONG object = 0;
  LONG child = 0;
};

class WinEventRecorder {
 public:
  // Hears every event of the process. One recorder at a time.
  explicit WinEventRecorder(DWORD processId);
  WinEventRecorder(const WinEventRecorder&) = delete;
  WinEventRecorder& operator=(const WinEventRecorder&) = delete;
  ~WinEventRecorder();

  bool Hooked() const { return hook_ != nullptr; }
  // How many events were heard so far: a mark to wait from.
  std::size_t Heard() const { return events_.size(); }

  // The first event from `mark` on that `wanted` accepts, waiting for it at most `ms`
  // milliseconds.
  std::optional<WinEvent> WaitFor(std::size_t mark, const std::function<bool(const WinEvent&)>& wanted, int ms);

 private:
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD);

  HWINEVENTHOOK hook_ = nullptr;
  std::vector<WinEvent> events_;
};

}  // namespace getlink::testing
