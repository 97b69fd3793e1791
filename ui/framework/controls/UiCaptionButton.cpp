#include "ui/framework/controls/UiCaptionButton.h"

#include "ui/framework/window/CrossFade.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

bool UiCaptionButton::Create(HWND host, const Rect& rect, CaptionButtonKind kind, bool visible) {
  kind_ = kind;
  CreateOptions options;
  options.visible = visible;
  options.focusable = false;
  options.frameInterval = UiWindow::StyleOf(host).fade.frameMs;
  return UiControl::Create(host, ControlPlace::InPixels(rect), ControlType::CaptionButton, options);
}

Text UiCaptionButton::DefaultAccessibleName() const {
  if (!TipText().empty()) return TipText();
  switch (kind_) {
    case CaptionButtonKind::Close: return "关闭";
    case CaptionButtonKind::Maximise: return IsZoomed(HostWindow()) ? "还原" : "最大化";
    case CaptionButtonKind::Minimise: return "最小化";
    case CaptionButtonKind::Menu: return "菜单";
    case CaptionButtonKind::Settings: return "设置";
    case CaptionButtonKind::Help: return "帮助";
    default: return Text();
  }
}

AccessStates UiCaptionButton::AccessibleState() {
  return UiControl::AccessibleState() | (paintedState_ == State::Pressed ? STATE_SYSTEM_PRESSED : 0);
}

void UiCaptionButton::PaintState(State state, bool force, int startFade) {
  if (state == paintedState_ && !force) return;
  paintedState_ = state;
  SetFadeLevel(startFade);
  Repaint();
}

int UiCaptionButton::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  const Rect cell = CaptionButtonCell(kind_, static_cast<int>(paintedState_), IsZoomed(HostWindow()) != FALSE);
  DrawEmbeddedImage(Graphics(), EmbeddedImage::CaptionButtons, Style().scale, cell,
                    {0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight())});
  EndControlPaint();
  return kNotHandled;
}

int UiCaptionButton::OnDestroy() {
  paintedState_ = State::Normal;
  return kNotHandled;
}

int UiCaptionButton::OnMouseDown(const PointerInput&) {
  PaintState(State::Pressed, false, FadeStartForTicks(*this, Style().caption.pressFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnMouseUp(const PointerInput&) {
  PaintState(State::Hot, false, FadeStartForTicks(*this, Style().caption.pressFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnPressCancelled() {
  PaintState(State::Normal, false, FadeStartForTicks(*this, Style().caption.pressFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnMouseEnter() {
  PaintState(State::Hot, false, FadeStartForTicks(*this, Style().caption.hotFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnMouseLeave(UiControl*) {
  PaintState(State::Normal, false, FadeStartForTicks(*this, Style().caption.normalFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnMoved() {
  // The maximise button shows the restore glyph while the window is maximised.
  if (kind_ == CaptionButtonKind::Maximise) PaintState(State::Normal, true, FadeStartForTicks(*this, Style().caption.normalFadeTicks));
  return kNotHandled;
}

int UiCaptionButton::OnClick() {
  if (Disabled()) return kNotHandled;
  // Posted: the window's message hook still sees WM_CLOSE and may refuse it.
  HWND host = HostWindow();
  switch (kind_) {
    case CaptionButtonKind::Close:
      PostMessageW(host, WM_CLOSE, 0, 0);
      break;
    case CaptionButtonKind::Maximise:
      PostMessageW(host, WM_SYSCOMMAND, IsZoomed(host) ? SC_RESTORE : SC_MAXIMIZE, 0);
      break;
    case CaptionButtonKind::Minimise:
      if (!IsIconic(host)) PostMessageW(host, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    default:
      break;  // the application binds its own handler
  }
  return kNotHandled;
}

}  // namespace getlink
