// The event a WmControlEvent message carries to a window.
#pragma once

#include <cstdint>

#include "ui/framework/window/ControlEvent.h"

namespace getlink {

class UiControl;

struct ControlEventBlock {
  UiControl* control;
  std::uint32_t serial;  // the control's life the event belongs to
  ControlEvent event;
  bool owned;  // posted: the window deletes the block; sent: it lives with the sender
};

}  // namespace getlink
