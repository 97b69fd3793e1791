#include "ui/framework/window/WindowAnimations.h"

#include <algorithm>
#include <cmath>

#include "runtime/MessagePump.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/SystemEntryPoints.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

void SetLayered(HWND hwnd, bool layered) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  const LONG_PTR changed = layered ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
  if (changed != style) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, changed);
}

// Where a frame draws the finished window: `shown` is the share of the way to the shown
// state (growing while opening, shrinking while closing).
Rect FramePlace(WindowEffect effect, float width, float height, float shown) {
  switch (effect) {
    case WindowEffect::SlideDown: return RectOf(0, -height * (1 - shown) / 4, width, height);
    case WindowEffect::SlideUp: return RectOf(0, height * (1 - shown) / 4, width, height);
    case WindowEffect::SlideRight: return RectOf(-width * (1 - shown) / 4, 0, width, height);
    case WindowEffect::SlideLeft: return RectOf(width * (1 - shown) / 4, 0, width, height);
    case WindowEffect::Zoom: {
      const float scale = 0.5f + 0.5f * shown;
      return RectOf(width * (1 - scale) / 2, height * (1 - scale) / 2, width * scale, height * scale);
    }
    default: return RectOf(0, 0, width, height);
  }
}

// Draws the canvas into `frame` at `place` and `alpha`. AlphaBlend rather than GDI+: a frame
// must take a small part of the effect's time, and Wine's GDI+ needs about 10 ms to stretch
// a window's canvas at an opacity.
void DrawFrame(const Surface& frame, const Surface& canvas, const Rect& place, int alpha) {
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
  GdiFlush();
  bound::GdiAlphaBlend(frame.Dc(), static_cast<int>(std::lround(place.left)), static_cast<int>(std::lround(place.top)),
                       static_cast<int>(std::lround(place.width)), static_cast<int>(std::lround(place.height)),
                       canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), blend);
}

}  // namespace

void WindowAnimations::Show(WindowEffect effect, int durationMs) {
  PumpMessages();
  const HWND hwnd = window_.Hwnd();
  if (hwnd == nullptr) return;
  window_.Composer().ComposeQueued();  // the controls made so far, painted: what opens
  if (effect == WindowEffect::None || !window_.AnimationsOn()) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    window_.Composer().Present();
    window_.Skin().ApplyBlurBehind(hwnd, window_.Size(), true);
    return;
  }
  Play(effect, durationMs, true);
  window_.Composer().Present();
  bound::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void WindowAnimations::PlayClose(WindowEffect effect, int durationMs) {
  if (effect == WindowEffect::None) return;
  window_.Composer().ComposeQueued();  // the last changes go with the window
  window_.Skin().ApplyBlurBehind(window_.Hwnd(), window_.Size(), false);
  Play(effect, durationMs, false);
}

void WindowAnimations::Play(WindowEffect effect, int durationMs, bool opening) {
  const HWND hwnd = window_.Hwnd();
  if (!window_.AnimationsOn() || hwnd == nullptr) return;
  const bool wasLayered = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  SetLayered(hwnd, true);
  const bool wasFrozen = window_.Frozen();
  window_.SetFrozen(true);
  const SIZE size = window_.Size();
  Surface frame(size.cx, size.cy);
  if (opening) {
    window_.Composer().PresentSurface(frame);  // transparent until the first frame
    ShowWindow(hwnd, SW_SHOWNORMAL);
    window_.Skin().ApplyBlurBehind(hwnd, size, true);
  }
  const int frames = window_.Style().window.effectFrames;
  for (int i = 1; i <= frames && window_.Hwnd() == hwnd; ++i) {
    const float shown = static_cast<float>(opening ? i : frames - i) / frames;
    frame.Clear();
    DrawFrame(frame, window_.Composer().Canvas(),
              FramePlace(effect, static_cast<float>(size.cx), static_cast<float>(size.cy), shown),
              static_cast<int>(std::lround(255 * shown)));
    window_.Composer().PresentSurface(frame);
    Sleep(static_cast<DWORD>(std::max(durationMs, 0) / frames));
    PumpMessages();
  }
  if (window_.Hwnd() != hwnd) return;  // destroyed while it played
  window_.SetFrozen(wasFrozen);
  // What changed while the effect played (a control's fade that started meanwhile) is
  // composed now; the window that opens is presented by the caller, a closing one not at all.
  if (opening && !wasFrozen) window_.Composer().ComposeQueued();
  if (!wasLayered) SetLayered(hwnd, false);
}

void WindowAnimations::Snapshot() {
  const SIZE size = window_.Size();
  snapshot_ = Surface(size.cx, size.cy);
  BitBlt(snapshot_.Dc(), 0, 0, size.cx, size.cy, window_.Composer().Canvas().Dc(), 0, 0, SRCCOPY);
}

void WindowAnimations::StartSkinFade() {
  window_.SetFrozen(true);
  skinFadeLevel_ = 0;
  SetTimer(window_.Hwnd(), window_.Handle(), static_cast<UINT>(window_.Style().window.skinFadeTickMs), nullptr);
}

bool WindowAnimations::OnTimer(UINT_PTR id) {
  if (id != window_.Handle()) return false;
  StepSkinFade();
  return true;
}

void WindowAnimations::StepSkinFade() {
  const SIZE size = window_.Size();
  skinFadeLevel_ = std::min(255, skinFadeLevel_ + window_.Style().window.skinFadeStep);
  if (skinFadeLevel_ < 255 && snapshot_) {
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(skinFadeLevel_), AC_SRC_ALPHA};
    GdiFlush();
    bound::GdiAlphaBlend(snapshot_.Dc(), 0, 0, size.cx, size.cy, window_.Composer().Canvas().Dc(), 0, 0, size.cx,
                         size.cy, blend);
    window_.Composer().PresentSurface(snapshot_);
    return;
  }
  Stop();
  window_.SetFrozen(false);
  window_.Composer().ComposeEverything(false);
  window_.Composer().Present();
}

void WindowAnimations::Stop() {
  if (window_.Hwnd() != nullptr) KillTimer(window_.Hwnd(), window_.Handle());
  snapshot_ = Surface();
}

}  // namespace getlink
