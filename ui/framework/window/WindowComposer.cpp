#include "ui/framework/window/WindowComposer.h"

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/window/UiControl.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// How often a posted flush goes behind other posted messages before it runs anyway, and how
// many rounds of paints one flush runs (a paint may ask for another).
constexpr int kFlushDelays = 3;
constexpr int kPaintRounds = 4;

RECT PixelsOf(const Rect& rect) {
  const PixelBox box = CoveringPixels(rect);
  return {box.left, box.top, box.right, box.bottom};
}

}  // namespace

std::atomic<long> WindowComposer::presentCount_{0};

void WindowComposer::Open(HWND hwnd, SIZE size) {
  hwnd_ = hwnd;
  screenDc_.emplace(hwnd);
  Resize(size);
}

void WindowComposer::Resize(SIZE size) {
  size_ = size;
  canvas_ = Surface(size.cx, size.cy);
  background_ = Surface(size.cx, size.cy);
}

void WindowComposer::Close() {
  toPaint_.clear();
  pending_.clear();
  flushing_ = flushPosted_ = false;
  flushDelays_ = 0;
  controlArea_.reset();
  canvas_ = Surface();
  background_ = Surface();
  screenDc_.reset();
  hwnd_ = nullptr;
}

void WindowComposer::KeepBackground(UniqueRegion controlArea) {
  GdiFlush();
  BitBlt(background_.Dc(), 0, 0, size_.cx, size_.cy, canvas_.Dc(), 0, 0, SRCCOPY);
  controlArea_ = std::move(controlArea);
  pending_.clear();
}

// --- the redraw queue ---

void WindowComposer::RequestPaint(UiControl& control) {
  toPaint_.push_back({&control, control.Serial()});
  PostFlush();
}

void WindowComposer::Queue(const Rect& rect) {
  pending_.push_back(rect);
  PostFlush();
}

void WindowComposer::PostFlush() {
  // A running flush takes what is asked meanwhile; one message is enough for a batch.
  if (flushing_ || flushPosted_ || hwnd_ == nullptr) return;
  flushPosted_ = PostMessageW(hwnd_, ToMessage(FrameworkMessage::WmInvalidate), 0, 0) != FALSE;
  if (!flushPosted_) Flush();  // a full queue: at once rather than never
}

void WindowComposer::OnFlushMessage() {
  flushPosted_ = false;
  if (flushDelays_ < kFlushDelays && (HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE) != 0) {
    ++flushDelays_;
    PostFlush();
    return;
  }
  Flush();
}

void WindowComposer::Run(bool present) {
  if (flushing_) return;
  flushing_ = true;
  flushDelays_ = 0;
  PaintRequested();
  Process(present);
  flushing_ = false;
  // Asked for while composing (by a control answering EvCompose), or paints that kept asking
  // for more: the next flush. A frozen window keeps its rectangles until it thaws.
  if (!toPaint_.empty() || (!pending_.empty() && !window_.Frozen())) PostFlush();
}

void WindowComposer::PaintRequested() {
  for (int round = 0; round < kPaintRounds && !toPaint_.empty(); ++round) {
    const std::vector<PaintRequest> batch = std::move(toPaint_);
    toPaint_.clear();
    // A control destroyed meanwhile, or created again, is not painted for its old request.
    for (const PaintRequest& request : batch)
      if (window_.IsLive(request.control, request.serial)) request.control->PaintAsRequested();
  }
}

void WindowComposer::Process(bool present) {
  if (window_.Frozen()) return;  // kept for when the window thaws
  RECT dirty = {0, 0, 0, 0};
  while (!pending_.empty()) {
    const Rect rect = pending_.front();
    pending_.pop_front();
    ComposeRect(rect);
    const RECT pixels = PixelsOf(rect);
    if (!window_.IsLayered())
      Present(&pixels);  // a plain window copies each rectangle as it is done
    else
      UnionRect(&dirty, &dirty, &pixels);
  }
  if (present && window_.IsLayered() && !IsRectEmpty(&dirty)) Present(&dirty);
}

// --- composing ---

void WindowComposer::ComposeRect(const Rect& rect) {
  GpGraphics* g = canvas_.Graphics();
  if (g == nullptr) return;
  if (controlArea_ != nullptr) ClipRegion(g, controlArea_.get());
  ClipRect(g, rect, controlArea_ != nullptr ? Gdiplus::CombineModeIntersect : Gdiplus::CombineModeReplace);
  const RECT box = PixelsOf(rect);
  BitBlt(canvas_.Dc(), box.left, box.top, box.right - box.left, box.bottom - box.top, background_.Dc(), box.left,
         box.top, SRCCOPY);
  ComposeControls(window_.Controls(), rect);
  ResetClip(g);
}

void WindowComposer::ComposeEverything(bool refresh) {
  GpGraphics* g = canvas_.Graphics();
  if (g == nullptr) return;
  if (refresh) Refresh(window_.Controls());
  PaintRequested();
  pending_.clear();  // composed below, with whatever the paints queued
  if (controlArea_ != nullptr) ClipRegion(g, controlArea_.get());
  ComposeControls(window_.Controls(), RectOf(0, 0, static_cast<float>(size_.cx), static_cast<float>(size_.cy)));
  ResetClip(g);
}

void WindowComposer::Refresh(const std::vector<UiControl*>& controls) {
  // A copy: a control may change the list while it repaints.
  for (UiControl* control : std::vector<UiControl*>(controls)) {
    if (!control->Visible()) continue;
    const std::uint32_t serial = control->Serial();
    window_.Dispatch(*control, {EventCode::EvRefresh});
    if (window_.IsLive(control, serial)) Refresh(control->Children());
  }
}

void WindowComposer::ComposeControls(const std::vector<UiControl*>& controls, const Rect& dirty) {
  GpGraphics* g = canvas_.Graphics();
  for (UiControl* control : controls) {
    if (!control->Visible() || !Intersects(control->PixelRect(), dirty)) continue;
    ComposeControl(*control);
    if (control->Children().empty()) continue;
    // Children are cut at their parent's rectangle.
    UniqueRegion saved;
    GpRegion* region = nullptr;
    if (gdip::GdipCreateRegion(&region) == Gdiplus::Ok) {
      saved.reset(region);
      gdip::GdipGetClip(g, region);
    }
    ClipRect(g, control->PixelRect(), Gdiplus::CombineModeIntersect);
    ComposeControls(control->Children(), dirty);
    if (saved != nullptr) ClipRegion(g, saved.get());
  }
}

void WindowComposer::ComposeControl(UiControl& control) {
  GpGraphics* g = canvas_.Graphics();
  const Rect rect = control.PixelRect();
  int alpha = control.FadeLevel();
  GpImage* fadeImage = control.FadeImage();
  if (control.Disabled()) {
    fadeImage = nullptr;
    const bool dimmed = window_.Dispatch(control, {EventCode::EvQueryDimming}) == kNotHandled;
    alpha = dimmed ? control.Alpha() / 2 : control.Alpha();
  }
  ComposeContext context{g, &control.GetSurface(), fadeImage, rect, alpha};
  if (window_.Dispatch(control, {EventCode::EvCompose, ComposeInput{&context}}) > 0) return;
  if (fadeImage != nullptr) DrawImageAlpha(g, fadeImage, rect, control.Alpha() - control.FadeLevel());
  if (control.GetSurface()) DrawImageAlpha(g, control.GetSurface().Bitmap(), rect, alpha);
}

// --- presenting ---

void WindowComposer::Present(const RECT* dirty) {
  if (hwnd_ == nullptr || !canvas_) return;
  GdiFlush();
  if (window_.IsLayered()) {
    // A hidden layered window shows nothing: its canvas reaches the screen when it is
    // shown (every way of showing a window presents it). Skipping these presents saves
    // one UpdateLayeredWindow for every control a window builds before it opens. A
    // minimised one neither, and the canvas's size would give it back its whole size in
    // the place of its taskbar button: it is presented when it is restored.
    if (!IsWindowVisible(hwnd_) || IsIconic(hwnd_)) return;
    PresentSurface(canvas_, dirty);
    return;
  }
  const RECT all = {0, 0, size_.cx, size_.cy};
  const RECT& r = dirty != nullptr ? *dirty : all;
  BitBlt(screenDc_->get(), r.left, r.top, r.right - r.left, r.bottom - r.top, canvas_.Dc(), r.left, r.top, SRCCOPY);
}

void WindowComposer::PresentSurface(const Surface& surface, const RECT* dirty) {
  POINT origin = {0, 0};
  // The surface's own size: a size that differs from the window's would resize it.
  SIZE size = {surface.Width(), surface.Height()};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // The whole surface goes to the window; the dirty rectangle only tells the system
  // which part changed.
  UPDATELAYEREDWINDOWINFO info = {sizeof info, nullptr, nullptr, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA,
                                  dirty};
  ++presents_;
  ++presentCount_;
  lastDirty_ = dirty != nullptr ? *dirty : RECT{0, 0, size.cx, size.cy};
  if (!UpdateLayeredWindowIndirect(hwnd_, &info))
    UpdateLayeredWindow(hwnd_, nullptr, nullptr, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
}

void WindowComposer::Paint() {
  const PaintDc paint(hwnd_);
  const RECT& r = paint.dirty();
  BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, canvas_.Dc(), r.left, r.top, SRCCOPY);
}

}  // namespace getlink
