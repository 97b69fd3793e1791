// How code on another thread (a fetch worker) talks to a control: through a small copyable
// address taken on the window's thread, and window messages that the window resolves on its
// own thread against its live controls. Nothing else of a control may be touched from
// another thread.
//
//   // on the window's thread
//   const ControlAddress linkBox = edit.Address();
//   // on the worker: the edit box answers EventCode::GetText by filling the Text
//   Text link;
//   SendControlEvent(linkBox, {EventCode::GetText, TextRequest{&link}});
//
// On the window's own thread none of this is needed: an event sent to a control there is a
// plain call (UiControl::SendEvent).
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/framework/window/ControlEvent.h"

namespace getlink {

class UiControl;

// One life of one control: its host window, its handle and the serial of this life (a
// control destroyed and created again at the same address is another life).
struct ControlAddress {
  HWND host = nullptr;
  std::uintptr_t handle = 0;
  std::uint32_t serial = 0;
};

// From any thread. Runs the event on the window's thread and waits for it; returns what
// the control's OnEvent answered, or kNotHandled when the window or this life of the
// control is gone. The payload may point at memory of the caller (a buffer for the
// answer): the caller is blocked until the control is done with it.
int SendControlEvent(const ControlAddress& address, const ControlEvent& event);

// From any thread. Queues the event for the window's thread and returns at once; false
// when the window is gone. The event is dropped when the control's life has ended by the
// time it arrives, and freed with the window when it never arrives. The payload must not
// point at memory that may be gone by then (an std::any holds its own copy).
bool PostControlEvent(const ControlAddress& address, const ControlEvent& event);

// On the window's own thread: the control at `address` while this life of it lasts; null
// once it is destroyed (also when it was created again since).
UiControl* LiveControl(const ControlAddress& address);

}  // namespace getlink
