// Paints a framework window's controls, composes them onto its canvas and puts the canvas
// on the screen, once for each batch of changes.
//
// The window keeps two window-size surfaces: the background (the painted skin without
// controls) and the canvas (the background with every visible control composed on it).
// Nothing is painted or composed when it is asked for. A control whose look changed asks
// for a repaint (RequestPaint), a rectangle that must be composed again is queued (Queue),
// and the first request posts one flush message to the window. The flush paints every
// control asked for (each paints its surface and queues its rectangle), composes the
// queued rectangles and presents them once: composing a rectangle restores it from the
// background and draws the visible controls that meet it over it, clipped to the window's
// body and each child to its parent. A layered window is presented whole with one
// UpdateLayeredWindow (per-pixel alpha); a plain window gets each rectangle copied to the
// screen, and repaints through WM_PAINT.
//
// The flush waits behind messages posted meanwhile (a few times at most): what the change
// posted (the focus and pointer events of a disabled control) is then part of the same
// batch. While the window is frozen (an effect plays) the flush paints but composes nothing;
// the rectangles wait until the effect ends (ComposeQueued).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
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

  // The redraw queue (see above).
  void RequestPaint(UiControl& control);
  void Queue(const Rect& rect);
  // Paints, composes and presents everything asked for by now, at once.
  void Flush() { Run(true); }
  // The same without presenting (the caller presents, or an effect's frames use the canvas).
  void ComposeQueued() { Run(false); }
  void OnFlushMessage();

  // Composes every visible control onto the background, each first asked to repaint
  // (EvRefresh) when `refresh` is set and the repaints asked for done; what was queued is
  // then done.
  void ComposeEverything(bool refresh);

  // Puts the canvas on the screen; `dirty` tells the system what changed.
  void Present(const RECT* dirty = nullptr);
  // Puts another window-size surface on a layered window (animation frames).
  void PresentSurface(const Surface& surface, const RECT* dirty = nullptr);
  // How many times this window, and all the framework windows of the process, have put a
  // surface on the screen (UpdateLayeredWindow), for benchmarks and tests.
  long Presents() const { return presents_; }
  static long PresentCount() { return presentCount_; }
  // The part of the window the last present told the system it changed (the whole
  // surface when it named none): on Windows only that part of the screen is updated.
  RECT LastPresentedDirty() const { return lastDirty_; }
  // WM_PAINT of a plain window.
  void Paint();

 private:
  struct PaintRequest {
    UiControl* control;
    std::uint32_t serial;
  };

  void PostFlush();
  void Run(bool present);
  void PaintRequested();
  void Process(bool present);
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
  std::vector<PaintRequest> toPaint_;
  std::deque<Rect> pending_;
  bool flushing_ = false;
  bool flushPosted_ = false;  // a WmInvalidate is on its way
  int flushDelays_ = 0;       // times the posted flush went behind other posted messages
  long presents_ = 0;
  RECT lastDirty_ = {0, 0, 0, 0};
  static std::atomic<long> presentCount_;
};

}  // namespace getlink
