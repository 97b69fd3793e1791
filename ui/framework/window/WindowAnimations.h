// A framework window's animations. The opening and closing effects draw the finished
// canvas in ten frames onto a transparent window (faded, slid in from a side or grown from
// the centre), sleeping between frames and pumping messages; the skin cross-fade blends
// the old look into the new one in five steps of 50 ms on the window's own timer. The
// window is frozen meanwhile: nothing is composed and the mouse reaches no control.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Surface.h"

namespace getlink {

class UiWindow;

// Opening and closing animations.
enum class WindowEffect : int {
  None = 0,
  Fade = 1,
  SlideDown = 3,   // from above
  SlideUp = 4,     // from below
  SlideRight = 5,  // from the left
  SlideLeft = 6,   // from the right
  Zoom = 7,        // grows from the centre
};

class WindowAnimations {
 public:
  explicit WindowAnimations(UiWindow& window) : window_(window) {}

  // Shows the window with the effect (at once without one, or with animations off).
  void Show(WindowEffect effect, int durationMs);
  // Plays the closing effect; the window stays visible.
  void PlayClose(WindowEffect effect, int durationMs);

  // A skin cross-fade: Snapshot keeps the current look before the new skin is painted,
  // StartSkinFade then fades from it to the new canvas.
  void Snapshot();
  void StartSkinFade();
  // The window's own timer: a step of the cross-fade. False for any other timer.
  bool OnTimer(UINT_PTR id);
  void Stop();

 private:
  void Play(WindowEffect effect, int durationMs, bool opening);
  void StepSkinFade();

  UiWindow& window_;
  Surface snapshot_;  // the old look during a skin cross-fade
  int skinFadeLevel_ = 255;
};

}  // namespace getlink
