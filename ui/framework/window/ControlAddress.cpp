#include "ui/framework/window/ControlAddress.h"

#include "ui/framework/window/EventMailbox.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

int SendControlEvent(const ControlAddress& address, const ControlEvent& event) {
  return EventMailbox::Instance().Send(address, event);
}

bool PostControlEvent(const ControlAddress& address, const ControlEvent& event) {
  return EventMailbox::Instance().Post(address, event);
}

UiControl* LiveControl(const ControlAddress& address) {
  const UiWindow* window = UiWindow::FromHwnd(address.host);
  UiControl* control = window != nullptr ? window->ControlFromHandle(address.handle) : nullptr;
  return control != nullptr && control->Serial() == address.serial ? control : nullptr;
}

}  // namespace getlink
