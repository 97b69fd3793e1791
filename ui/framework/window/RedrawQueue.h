// The rectangles of a window waiting to be composed. Processing composes them in order
// and presents the canvas once at the end: a layered window is always put on the screen
// whole, so rectangles queued together cost one UpdateLayeredWindow.
#pragma once

#include <deque>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

class UiWindow;
enum class RedrawMode : int;

class RedrawQueue {
 public:
  explicit RedrawQueue(UiWindow& window) : window_(window) {}

  void Clear() { pending_.clear(); }
  // Queues a rectangle (at the front for Front and Immediate) and processes the queue
  // unless it is being processed already, in which case the running pass takes it too.
  void Add(const Rect& rect, RedrawMode mode);
  // Queues without processing, for a batch that ends in one Process.
  void Defer(const Rect& rect) { pending_.push_back(rect); }
  bool IsIdle() const { return !busy_; }
  std::size_t PendingCount() const { return pending_.size(); }
  void Process();

 private:
  UiWindow& window_;
  std::deque<Rect> pending_;
  bool busy_ = false;
};

}  // namespace getlink
