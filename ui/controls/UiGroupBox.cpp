#include "ui/controls/UiGroupBox.h"

#include <cmath>

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/SkinPainter.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {

// --- creating ---

std::optional<CreateControlOptions> UiGroupBox::Prepare(const UiStyle& style) {
  MutableFont().Choose(options_.font, style);
  format_ = TextFormat(Gdiplus::StringFormatFlagsNoWrap);
  format_.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  CreateControlOptions base;
  base.visible = options_.visible;
  base.focusable = false;
  return base;
}

int UiGroupBox::OnCreate() {
  roundCorners_ = options_.roundCorners.value_or(Window()->CornerRadius() != kSquareCorners);
  Measure();
  return kNotHandled;
}

int UiGroupBox::OnDestroy() {
  format_.Release();
  ReleaseFont();
  captionWidth_ = captionHeight_ = 0;
  return kNotHandled;
}

int UiGroupBox::OnResized(int, int) {
  Measure();
  return kNotHandled;
}

// --- measuring and layout ---

void UiGroupBox::Measure() {
  captionWidth_ = captionHeight_ = 0;
  if (options_.caption.empty() || Graphics() == nullptr) return;
  const Rect layout = RectOf(0, 0, static_cast<float>(PixelWidth()) - 2 * Style().groupBox.captionMargin, 0);
  const Rect box = MeasureText(Graphics(), options_.caption, Font().Get(), layout, format_.Handle());
  captionWidth_ = static_cast<int>(std::ceil(box.width));
  captionHeight_ = static_cast<int>(std::ceil(box.height));
}

Rect UiGroupBox::FrameRect() const {
  // The top line passes through the middle of the caption.
  const int half = captionHeight_ / 2;
  const float inset = Style().groupBox.frameInset;
  return RectOf(inset, static_cast<float>(half) + inset, static_cast<float>(PixelWidth()) - 2 * inset,
                static_cast<float>(PixelHeight() - half) - 2 * inset);
}

Rect UiGroupBox::CaptionRect() const {
  const GroupBoxStyle& style = Style().groupBox;
  const float width = static_cast<float>(PixelWidth()), caption = static_cast<float>(captionWidth_);
  float left = style.captionMargin;
  if (options_.captionAlign == CaptionAlign::Centre)
    left = std::floor((width - caption) / 2);
  else if (options_.captionAlign == CaptionAlign::Right)
    left = width - style.captionMargin - caption;
  // As wide as measured: a narrower box would trim the caption's last character.
  return RectOf(left, style.captionTop, caption, static_cast<float>(captionHeight_));
}

// --- painting ---

int UiGroupBox::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpGraphics* g = Graphics();
  const GroupBoxOptions& o = options_;
  const GroupBoxStyle& style = Style().groupBox;
  const float arc = roundCorners_ ? style.cornerArc : 0;
  const Rect shape = EdgeShape(FrameRect(), arc);
  if (o.fillColour) FillRoundRect(g, shape, arc, SolidBrush(*o.fillColour).get());
  const Rect caption = CaptionRect();
  if (!o.caption.empty()) {
    // The line is broken where the caption sits, with a little room either side.
    ClipRect(g, RectOf(0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight())));
    const float gap = style.captionGap;
    ClipRect(g, RectOf(caption.left - gap, caption.top, caption.width + 2 * gap, caption.height),
             Gdiplus::CombineModeExclude);
  }
  OutlineRoundRect(g, shape, arc, o.borderColour.value_or(Style().borderColour));
  ResetClip(g);
  if (!o.caption.empty())
    DrawText(g, caption, o.caption, Font().Get(), o.captionColour.value_or(Style().textColour), format_.Handle(),
             o.captionEffect, o.captionEffectColour, Style().textGlowSpread);
  EndControlPaint();
  return kNotHandled;
}

// --- properties ---

void UiGroupBox::SetCaption(Text caption) {
  options_.caption = std::move(caption);
  FontChanged();  // the same work: measure, then repaint
  TellAccessibility(AccessEvent::NameChange);
}

}  // namespace getlink
