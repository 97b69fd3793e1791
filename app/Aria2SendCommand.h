// Sending the found address to aria2 from the window: one call of SendToAria2 on a worker
// thread of its own, so that the window stays usable while aria2 answers (or does not,
// for a few seconds). As the fetch's worker, it touches no window object: its outcome goes
// to one control of the window through that control's address.
#pragma once

#include <cstdint>

#include "app/SendToAria2.h"
#include "ui/framework/window/ControlAddress.h"

namespace getlink {

// What the window hands the worker: where aria2 listens, and the address and file name of
// the last fetch.
struct Aria2SendRequest {
  Aria2Settings settings;
  Text address;
  Text fileName;
};

// Sent once to the reporting control, with the Aria2Outcome; the worker waits for it.
enum class Aria2SendEvent : std::int32_t { Finished = WM_APP + 3 };

constexpr EventCode ToEventCode(Aria2SendEvent event) { return static_cast<EventCode>(event); }

// Runs the send on a new thread that nobody waits for; the outcome goes to `reporter`
// (dropped when the window has gone by then). False when no thread could be started
// (nothing was sent).
bool StartAria2SendCommand(Aria2SendRequest request, ControlAddress reporter);

}  // namespace getlink
