// Composes a framework window's controls onto its canvas and puts the canvas on the screen.
//
// The window keeps two window-size surfaces: the background (the painted skin without
// controls) and the canvas (the background with every visible control composed on it).
// A control that changes its look queues its rectangle in the redraw queue; composing a
// rectangle restores it from the background and draws the visible controls that meet it
// over it, clipped to the window's body and each child to its parent. A layered window is
// then presented whole with one UpdateLayeredWindow (per-pixel alpha) per batch; a plain
// window gets each rectangle copied to the screen, and repaints through WM_PAINT.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <optional>
#include <vector>

#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Surface.h"

namespace getlink {

class UiControl;
class UiWindow;

// How a rectangle is queued for composition: at the end of the queue, at its front and
// composed at once, or at its front.
enum class RedrawMode : int { Append = 0, Immediate = 1, Front = 2 };

class WindowComposer {
 public:
  explicit WindowComposer(UiWindow& window) : window_(window) {}

  // Surfaces of the window's size, and its screen device context.
  void Open(HWND hwnd, SIZE size);
  void Resize(SIZE size);
  void Close();

  Surface& Canvas() { return canvas_; }
  const Surface& Canvas() const { return canvas_; }
  const Surface& Background() const { return background_; }

  // Keeps the skin just painted into the canvas as the background, and clips controls to
  // `controlArea` (null: the whole window). Empties the redraw queue.
  void KeepBackground(UniqueRegion controlArea);

  // The redraw queue. Add queues a rectangle and composes the queue unless a pass is
  // running already, which then takes it too. Defer only queues it. Queue also posts a
  // WmInvalidate (unless one is on its way), which composes everything queued by then and
  // presents it once. While the window is frozen the rectangles wait in the queue:
  // ComposeQueued takes them when an effect ends.
  void Add(const Rect& rect, RedrawMode mode);
  void Defer(const Rect& rect) { pending_.push_back(rect); }
  void Queue(const Rect& rect);
  void OnInvalidateMessage();
  void ComposeQueued() { Process(false); }
  bool IsIdle() const { return !busy_; }

  // Composes every visible control onto the background, each first asked to repaint
  // (EvRefresh) when `refresh` is set; what was queued is then done.
  void ComposeEverything(bool refresh);

  // Puts the canvas on the screen; `dirty` tells the system what changed.
  void Present(const RECT* dirty = nullptr);
  // Puts another window-size surface on a layered window (animation frames).
  void PresentSurface(const Surface& surface, const RECT* dirty = nullptr);
  // How many times the framework windows of the process have put a surface on the screen
  // (UpdateLayeredWindow), for benchmarks.
  static long PresentCount() { return presentCount_; }
  // WM_PAINT of a plain window.
  void Paint();

 private:
  void Process(bool present = true);
  void ComposeRect(const Rect& rect);
  void ComposeControls(const std::vector<UiControl*>& controls, const Rect& dirty);
  void ComposeControl(UiControl& control);
  void Refresh(const std::vector<UiControl*>& controls);

  UiWindow& window_;
  HWND hwnd_ = nullptr;
  SIZE size_ = {0, 0};
  std::optional<WindowDc> screenDc_;
  Surface canvas_;
  Surface background_;
  UniqueRegion controlArea_;
  std::deque<Rect> pending_;
  bool busy_ = false;
  bool invalidationPosted_ = false;  // a WmInvalidate is on its way
  static std::atomic<long> presentCount_;
};

}  // namespace getlink
