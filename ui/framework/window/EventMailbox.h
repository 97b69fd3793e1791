// Control events on their way to a window's thread from another thread (events on the
// window's own thread are plain calls and never come here). The window message that
// announces an event carries only a ticket; the event waits here. So a message that arrives after its
// window has gone, arrives twice, or is forged by another program finds nothing and is
// ignored, and no event outlives its window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>

#include "ui/framework/window/ControlAddress.h"
#include "ui/framework/window/ControlEvent.h"

namespace getlink {

class EventMailbox {
 public:
  // What a WmControlEvent's ticket names.
  struct Delivery {
    std::uintptr_t handle;
    std::uint32_t serial;
    ControlEvent event;
  };

  static EventMailbox& Instance();

  // A framework window starts and stops taking events (Attach and WM_DESTROY). Closing
  // drops the events still posted to the window.
  void OpenWindow(HWND hwnd);
  void CloseWindow(HWND hwnd);

  // The two ways in: a sent event waits for its answer, a posted one does not.
  int Send(const ControlAddress& address, const ControlEvent& event);
  bool Post(const ControlAddress& address, const ControlEvent& event);

  // On the window's thread, for a WmControlEvent to `hwnd`: the event the ticket names,
  // once, when it is addressed to that window.
  std::optional<Delivery> Take(HWND hwnd, LPARAM ticket);
  // The answer to a sent event, for its waiting sender.
  void Answer(LPARAM ticket, int result);

  // Posted events not delivered yet, of every window.
  std::size_t PostedCount() const;
  // Events that have come through the mailbox so far, of every window.
  std::size_t LettersSoFar() const;

 private:
  struct Letter {
    HWND host;
    Delivery delivery;
    bool sent;
    bool taken = false;
    int answer = kNotHandled;
  };

  LPARAM Enter(const ControlAddress& address, const ControlEvent& event, bool sent);

  mutable std::mutex mutex_;
  std::set<HWND> windows_;
  std::map<LPARAM, Letter> letters_;
  LPARAM lastTicket_ = 0;
  std::size_t lettersSoFar_ = 0;
};

}  // namespace getlink
