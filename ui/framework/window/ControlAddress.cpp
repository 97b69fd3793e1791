#include "ui/framework/window/ControlAddress.h"

#include "ui/framework/window/EventMailbox.h"

namespace getlink {

int SendControlEvent(const ControlAddress& address, EventCode code, WPARAM wparam, LPARAM lparam) {
  return EventMailbox::Instance().Send(address, {code, wparam, lparam});
}

bool PostControlEvent(const ControlAddress& address, EventCode code, WPARAM wparam, LPARAM lparam) {
  return EventMailbox::Instance().Post(address, {code, wparam, lparam});
}

}  // namespace getlink
