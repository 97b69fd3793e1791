#include "ui/framework/window/ControlAddress.h"

#include "ui/framework/window/EventMailbox.h"

namespace getlink {

int SendControlEvent(const ControlAddress& address, const ControlEvent& event) {
  return EventMailbox::Instance().Send(address, event);
}

bool PostControlEvent(const ControlAddress& address, const ControlEvent& event) {
  return EventMailbox::Instance().Post(address, event);
}

}  // namespace getlink
