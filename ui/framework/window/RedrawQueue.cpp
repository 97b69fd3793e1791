#include "ui/framework/window/RedrawQueue.h"

#include "ui/framework/window/UiWindow.h"

namespace getlink {

void RedrawQueue::Add(const Rect& rect, RedrawMode mode) {
  if (mode == RedrawMode::Append)
    pending_.push_back(rect);
  else
    pending_.push_front(rect);
  if (!busy_) Process();
}

void RedrawQueue::Process() {
  if (busy_) return;
  busy_ = true;
  RECT dirty = {0, 0, 0, 0};
  bool any = false;
  while (!pending_.empty()) {
    const Rect rect = pending_.front();
    pending_.pop_front();
    window_.ComposeRect(rect);
    const PixelBox box = CoveringPixels(rect);
    const RECT pixels = {box.left, box.top, box.right, box.bottom};
    if (!window_.IsLayered()) {
      window_.PresentCanvas(&pixels);  // a plain window copies each rectangle as it is done
    } else if (!any) {
      dirty = pixels;
      any = true;
    } else {
      UnionRect(&dirty, &dirty, &pixels);
    }
  }
  busy_ = false;
  if (any && window_.IsLayered() && !window_.Frozen()) window_.PresentCanvas(&dirty);
}

}  // namespace getlink
