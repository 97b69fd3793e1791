#include "ui/framework/controls/UiButton.h"

#include <cmath>

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Contrast.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/CrossFade.h"
#include "ui/framework/window/Mnemonic.h"
#include "ui/framework/window/SkinPainter.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

// --- creating ---

std::optional<CreateControlOptions> UiButton::Prepare(const UiStyle& style) {
  state_ = ButtonState::Normal;
  DecodeImage();
  MutableFont().Choose(options_.font, style);
  format_ = TextFormat(Gdiplus::StringFormatFlagsNoWrap);
  format_.SetTrimming(Gdiplus::StringTrimmingNone);
  format_.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  CreateControlOptions base;
  base.visible = options_.visible;
  base.frameInterval = style.fade.frameMs;
  return base;
}

int UiButton::OnCreate() {
  rounded_ = options_.rounded.value_or(Window()->CornerRadius() != kSquareCorners);
  RegisterMnemonic();
  return kNotHandled;
}

int UiButton::OnDestroy() {
  format_.Release();
  ReleaseFont();
  image_ = Image();
  return kNotHandled;
}

void UiButton::RegisterMnemonic() {
  if (Window() != nullptr) Window()->AddMnemonic(*this, MnemonicCharacter(options_.caption));
}

// --- properties ---

void UiButton::SetCaption(Text caption) {
  options_.caption = std::move(caption);
  if (IsCreated()) RegisterMnemonic();
  Repaint();
  TellAccessibility(AccessEvent::NameChange);
}

Text UiButton::DefaultAccessibleName() const {
  Text name = WithoutMnemonicMarks(options_.caption);
  return name.empty() ? TipText() : name;
}

AccessStates UiButton::AccessibleState() {
  return UiControl::AccessibleState() | (state_ == ButtonState::Pressed ? STATE_SYSTEM_PRESSED : 0);
}

void UiButton::SetRounded(bool rounded) {
  options_.rounded = rounded;
  StoreAndRepaint(rounded_, rounded);
}

void UiButton::SetImageBytes(ByteSet bytes) {
  options_.imageBytes = std::move(bytes);
  DecodeImage();
  Repaint();
}

void UiButton::DecodeImage() {
  image_ = options_.imageBytes.empty() ? Image() : LoadImageFromBytes(options_.imageBytes);
}

void UiButton::SetImageOffset(float x, float y) {
  options_.imageOffsetX = x;
  options_.imageOffsetY = y;
  Repaint();
}

// --- painting ---

void UiButton::PaintState(ButtonState state, int startFade) {
  const bool pressChanged = (state == ButtonState::Pressed) != (state_ == ButtonState::Pressed);
  state_ = state;
  if (pressChanged) TellAccessibility(AccessEvent::StateChange);
  SetFadeLevel(startFade);
  Repaint();
}

int UiButton::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpGraphics* g = Graphics();
  const Rect face = FaceRect(PixelWidth(), PixelHeight());
  const ButtonStyle& look = Style().button;
  if (!PaintBackgroundHook(g, state_)) PaintButtonFace(g, face, look, FaceColours(look, state_, Disabled()), rounded_);
  PaintContent(g, state_, face);
  EndControlPaint();
  return kNotHandled;
}

void UiButton::PaintContent(GpGraphics* g, ButtonState state, const Rect& face) {
  const Rect content = ContentRect(face);
  ClipRect(g, content);
  const ButtonOptions& o = options_;
  const Extent imageSize = image_ ? Extent{static_cast<float>(image_.Width()), static_cast<float>(image_.Height())}
                                  : Extent{};
  const Rect measured = o.caption.empty() ? Rect{} : MeasureText(g, o.caption, Font().Get(), Rect{}, format_.Handle());
  // Whole pixels, rounded up: a box narrower than measured loses the last character.
  const Extent captionSize = {std::ceil(measured.width), std::ceil(measured.height)};
  const float scale = Style().scale;  // the gap and offsets are in units
  ButtonContent placed = PlaceButtonContent(content, imageSize, captionSize, o.imagePosition, o.imageGap * scale,
                                            o.imageOffsetX * scale, o.imageOffsetY * scale);
  if (state == ButtonState::Pressed) {
    const float shift = Style().button.pressedShift;
    InflateRect(shift, shift, 0, 0, placed.image);
    InflateRect(shift, shift, 0, 0, placed.caption);
  }
  const bool hookDrew = PaintContentHook(g, state, placed.image, placed.caption);
  if (!hookDrew) {
    if (image_) DrawImageAlpha(g, image_.Get(), placed.image);
    if (!o.caption.empty()) {
      const Argb ink = o.textColour.value_or(Style().textColour);
      const Argb colour = o.autoTextColour ? ContrastingColour(ink, AverageLuma(GetSurface(), placed.caption)) : ink;
      DrawText(g, placed.caption, o.caption, Font().Get(), colour, format_.Handle(), o.textEffect, o.glowColour,
               Style().textGlowSpread);
    }
  }
  ResetClip(g);
  if (!hookDrew && HoldsFocus()) OutlineRect(g, FocusRect(face, Style().button), BorderStyle::Focus);
}

// --- events ---

ButtonState UiButton::RestingState() { return HoldsFocus() ? ButtonState::Focused : ButtonState::Normal; }

int UiButton::OnEvent(const ControlEvent& event) {
  const int early = PreEventHook(event);
  if (early != kNotHandled) return early;
  return UiControl::OnEvent(event);
}

// A new look of the whole window: this one shows at once.
int UiButton::OnRefresh() {
  PaintState(state_, 255);
  return kNotHandled;
}

int UiButton::OnMouseDown(const PointerInput&) {
  if (Focusable()) PaintState(ButtonState::Pressed, FadeStartForTicks(*this, Style().button.pressFadeTicks));
  return kNotHandled;
}

int UiButton::OnMouseUp(const PointerInput&) {
  if (Focusable()) PaintState(ButtonState::Hot, FadeStartForTicks(*this, Style().button.pressFadeTicks));
  return kNotHandled;
}

int UiButton::OnPressCancelled() {
  if (Focusable()) PaintState(RestingState(), FadeStartForTicks(*this, Style().button.pressFadeTicks));
  return kNotHandled;
}

int UiButton::OnFocusGained(UiControl*) {
  PaintState(ButtonState::Focused, FadeStartForTicks(*this, Style().button.focusFadeTicks));
  return kNotHandled;
}

int UiButton::OnFocusLost(UiControl*) {
  PaintState(ButtonState::Normal, FadeStartForTicks(*this, Style().button.blurFadeTicks));
  return kNotHandled;
}

int UiButton::OnMouseEnter() {
  PaintState(ButtonState::Hot, FadeStartForTicks(*this, Style().button.hoverFadeTicks));
  return kNotHandled;
}

int UiButton::OnMouseLeave(UiControl*) {
  PaintState(RestingState(), FadeStartForTicks(*this, Style().button.hoverFadeTicks));
  return kNotHandled;
}

}  // namespace getlink
