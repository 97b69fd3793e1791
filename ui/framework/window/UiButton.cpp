#include "ui/framework/window/UiButton.h"

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

bool UiButton::Create(HWND host, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(host, rect, ControlType::Button, Prepare(options));
}

bool UiButton::Create(UiControl& parent, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(parent, rect, ControlType::Button, Prepare(options));
}

CreateControlOptions UiButton::Prepare(const Options& options) {
  state_ = ButtonState::Normal;
  caption_ = options.caption;
  textColour_ = options.textColour;
  MutableFont().Choose(options.font);
  textEffect_ = options.textEffect;
  glowColour_ = options.glowColour;
  roundedChoice_ = options.rounded;
  format_ = TextFormat(Gdiplus::StringFormatFlagsNoWrap);
  format_.SetTrimming(Gdiplus::StringTrimmingNone);
  format_.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
  CreateControlOptions base;
  base.visible = options.visible;
  base.frameInterval = kFadeFrameMs;
  return base;
}

int UiButton::OnCreate() {
  rounded_ = roundedChoice_.value_or(Window()->CornerRadius() != kSquareCorners);
  RegisterMnemonic();
  return kNotHandled;
}

int UiButton::OnDestroy() {
  format_.Release();
  ReleaseFont();
  return kNotHandled;
}

void UiButton::RegisterMnemonic() {
  if (Window() != nullptr) Window()->AddMnemonic(*this, MnemonicCharacter(caption_));
}

// --- properties ---

void UiButton::SetCaption(Text caption) {
  caption_ = std::move(caption);
  if (IsCreated()) RegisterMnemonic();
  PaintNow();
}

void UiButton::SetRounded(bool rounded) {
  roundedChoice_ = rounded;
  StoreAndRepaint(rounded_, rounded);
}

void UiButton::SetImageOffset(float x, float y) {
  imageOffsetX_ = x;
  imageOffsetY_ = y;
  PaintNow();
}

// --- painting ---

void UiButton::PaintState(ButtonState state, int startFade) {
  state_ = state;
  SetFadeLevel(startFade);
  if (!BeginControlPaint(true)) return;
  GpGraphics* g = Graphics();
  const Rect face = FaceRect(Width(), Height());
  if (!PaintBackgroundHook(g, state)) PaintButtonFace(g, face, FaceColours(state, Disabled()), rounded_);
  PaintContent(g, state, face);
  EndControlPaint();
}

void UiButton::PaintContent(GpGraphics* g, ButtonState state, const Rect& face) {
  Rect content = face;
  InflateRect(1, 1, -2, -2, content);
  ClipRect(g, content);
  const Image picture = imageBytes_.empty() ? Image() : LoadImageFromBytes(imageBytes_);
  const Extent imageSize = picture ? Extent{static_cast<float>(picture.Width()), static_cast<float>(picture.Height())}
                                   : Extent{};
  const Rect measured = caption_.empty() ? Rect{} : MeasureText(g, caption_, Font().Get(), Rect{}, format_.Handle());
  // Whole pixels, rounded up: a box narrower than measured loses the last character.
  const Extent captionSize = {std::ceil(measured.width), std::ceil(measured.height)};
  ButtonContent placed =
      PlaceButtonContent(content, imageSize, captionSize, imagePosition_, imageGap_, imageOffsetX_, imageOffsetY_);
  if (state == ButtonState::Pressed) {
    InflateRect(1, 1, 0, 0, placed.image);
    InflateRect(1, 1, 0, 0, placed.caption);
  }
  const bool hookDrew = PaintContentHook(g, state, placed.image, placed.caption);
  if (!hookDrew) {
    if (picture) DrawImageAlpha(g, picture.Get(), placed.image);
    if (!caption_.empty()) {
      const Argb colour =
          autoTextColour_ ? ContrastingColour(textColour_, AverageLuma(GetSurface(), placed.caption)) : textColour_;
      DrawText(g, placed.caption, caption_, Font().Get(), colour, format_.Handle(), textEffect_, glowColour_);
    }
  }
  ResetClip(g);
  if (!hookDrew && IsFocused()) OutlineRect(g, FocusRect(face), BorderStyle::Focus);
}

// --- events ---

int UiButton::OnEvent(const ControlEvent& event) {
  const int early = PreEventHook(event);
  if (early != kNotHandled) return early;
  return UiControl::OnEvent(event);
}

int UiButton::OnPaint() {
  PaintState(state_, 255);
  return kNotHandled;
}

int UiButton::OnMouseDown(const PointerInput&) {
  if (Focusable()) PaintState(ButtonState::Pressed, FadeStartForTicks(2));
  return kNotHandled;
}

int UiButton::OnMouseUp(const PointerInput&) {
  if (Focusable()) PaintState(ButtonState::Hot, FadeStartForTicks(2));
  return kNotHandled;
}

int UiButton::OnPressCancelled() {
  if (Focusable()) PaintState(ButtonState::Normal, FadeStartForTicks(2));
  return kNotHandled;
}

int UiButton::OnFocusGained(UiControl*) {
  PaintState(ButtonState::Focused, FadeStartForTicks(1));
  return kNotHandled;
}

int UiButton::OnFocusLost(UiControl*) {
  PaintState(ButtonState::Normal, FadeStartForTicks(3));
  return kNotHandled;
}

int UiButton::OnMouseEnter() {
  PaintState(ButtonState::Hot, FadeStartForTicks(4));
  return kNotHandled;
}

int UiButton::OnMouseLeave(UiControl*) {
  PaintState(ButtonState::Normal, FadeStartForTicks(4));
  return kNotHandled;
}

}  // namespace getlink
