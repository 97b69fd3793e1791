#include "ui/controls/UiLabel.h"

#include <cmath>

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Contrast.h"
#include "ui/framework/drawing/LineElision.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// A one-line label keeps its lines whole; a flowing one breaks them at the label's width
// and measures trailing blanks, so that the measure matches what is drawn. (Font fallback
// stays on: a font without Chinese glyphs must not turn the text into boxes.)
constexpr int kLineFlags = Gdiplus::StringFormatFlagsNoWrap;
constexpr int kFlowFlags = Gdiplus::StringFormatFlagsMeasureTrailingSpaces | Gdiplus::StringFormatFlagsNoClip |
                           Gdiplus::StringFormatFlagsLineLimit;

}  // namespace

// --- creating ---

std::optional<CreateControlOptions> UiLabel::Prepare(const UiStyle& style) {
  MutableFont().Choose(options_.font, style);
  format_ = TextFormat(options_.wordWrap ? kFlowFlags : kLineFlags);
  format_.SetAlign(options_.alignment);
  format_.SetTrimming(options_.trimming);
  CreateControlOptions base;
  base.visible = options_.visible;
  base.focusable = false;
  return base;
}

int UiLabel::OnCreate() {
  Measure();
  return kNotHandled;
}

int UiLabel::OnDestroy() {
  format_.Release();
  ReleaseFont();
  textWidth_ = textHeight_ = 0;
  return kNotHandled;
}

// --- measuring and layout ---

void UiLabel::Measure() {
  textWidth_ = textHeight_ = 0;
  shown_ = options_.text;
  if (!options_.text.empty() && Graphics() != nullptr) {
    if (options_.elide && !options_.wordWrap)
      shown_ = ElideLine(options_.text, TextRect().width, [this](std::string_view text) { return LineWidth(text); });
    // Lines are as wide as the label (a flowing text as its text rectangle); the height is
    // open, so every line counts.
    const float width = options_.wordWrap ? TextRect().width : static_cast<float>(PixelWidth());
    const Rect box = MeasureText(Graphics(), shown_, Font().Get(), RectOf(0, 0, width, 0), format_.Handle());
    textWidth_ = static_cast<int>(std::ceil(box.width));
    textHeight_ = static_cast<int>(std::ceil(box.height));
  }
  TipWholeText();
}

float UiLabel::LineWidth(std::string_view text) const {
  if (Graphics() == nullptr) return 0;
  return MeasureText(Graphics(), text, Font().Get(), Rect{}, format_.Handle()).width;
}

// An elided text is read whole in the tooltip, at once where the pointer is over the label.
void UiLabel::TipWholeText() {
  if (!options_.elide) return;
  Text tip = shown_ == options_.text ? Text() : options_.text;
  if (tip == TipText()) return;
  SetTipText(std::move(tip), Window() != nullptr && Window()->Hovered() == this);
}

Rect UiLabel::TextRect() const {
  const float inset = Style().label.inset;
  return RectOf(inset, inset, static_cast<float>(PixelWidth()) - 2 * inset,
                static_cast<float>(PixelHeight()) - 2 * inset);
}

Rect UiLabel::TextLayout() const {
  const Rect area = TextRect();
  // A flowing text starts at the top and may run one line past the bottom (clipped).
  const LabelStyle& style = Style().label;
  if (options_.wordWrap)
    return RectOf(area.left, area.top, area.width,
                  static_cast<float>(PixelHeight()) + Font().Height() + style.flowOverhang);
  const float height = static_cast<float>(textHeight_);
  float top = area.top + style.inset;
  if (options_.verticalAlign == VerticalAlign::Centre)
    top = area.top + std::floor((area.height - height) / 2);
  else if (options_.verticalAlign == VerticalAlign::Bottom)
    top = area.Bottom() - height - style.inset;
  return RectOf(area.left, top, area.width, height);
}

void UiLabel::Remeasure() {
  Measure();
  Repaint();
}

// --- painting ---

Argb UiLabel::InkColour() const {
  const Argb ink = options_.textColour.value_or(Style().textColour);
  if (!options_.autoContrast || Window() == nullptr) return ink;
  // The window's own background under the text, as the label's pixels do not show in it.
  Rect under = TextRect();
  under.left += PixelRect().left;
  under.top += PixelRect().top;
  return ContrastingColour(ink, AverageLuma(Window()->Background(), under));
}

int UiLabel::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpGraphics* g = Graphics();
  const Rect whole = RectOf(0, 0, static_cast<float>(PixelWidth()), static_cast<float>(PixelHeight()));
  // The background first, so that an opaque one cannot hide the outline.
  const LabelOptions& o = options_;
  if (o.background != LabelBackground::None)
    FillGradient(g, whole, o.backColourFrom, o.backColourTo, static_cast<Gdiplus::LinearGradientMode>(o.background));
  if (o.borderColour) OutlineRect(g, whole, BorderStyle::Outline, *o.borderColour);
  if (!o.text.empty()) {
    ClipRect(g, TextRect());
    DrawText(g, TextLayout(), shown_, Font().Get(), InkColour(), format_.Handle(), o.effect, o.effectColour,
             Style().textGlowSpread);
    ResetClip(g);
  }
  EndControlPaint();
  return kNotHandled;
}

int UiLabel::OnResized(int, int) {
  Measure();
  return kNotHandled;
}

int UiLabel::OnFocusGained(UiControl*) {
  if (Focusable()) Repaint();
  return kNotHandled;
}

int UiLabel::OnFocusLost(UiControl*) {
  if (Focusable()) Repaint();
  return kNotHandled;
}

// The window's background changed under a label that contrasts with it.
int UiLabel::OnRefresh() {
  if (options_.autoContrast) Repaint();
  return kNotHandled;
}

// --- properties ---

void UiLabel::SetText(Text text) {
  options_.text = std::move(text);
  Remeasure();
  TellAccessibility(AccessEvent::NameChange);
}

// The lines joined: by a space between two Latin words, directly where Chinese text (a
// label written downwards, one character a line) was broken.
Text UiLabel::DefaultAccessibleName() const {
  const Text& text = options_.text;
  const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
  const auto isLatin = [](char c) { return c > ' ' && static_cast<unsigned char>(c) < 0x80; };
  Text name;
  for (std::size_t i = 0; i < text.size();) {
    if (!isBreak(text[i])) {
      name += text[i++];  // GBK trail bytes are never CR or LF
      continue;
    }
    while (i < text.size() && isBreak(text[i])) ++i;
    if (!name.empty() && i < text.size() && isLatin(name.back()) && isLatin(text[i])) name += ' ';
  }
  return name;
}

void UiLabel::SetFormat(TextFormat format) {
  format_ = std::move(format);
  Remeasure();
}

void UiLabel::SetWordWrap(bool on) {
  options_.wordWrap = on;
  format_.SetFlags(on ? kFlowFlags : kLineFlags);
  Remeasure();
}

void UiLabel::SetAlignment(Gdiplus::StringAlignment alignment) {
  options_.alignment = alignment;
  format_.SetAlign(alignment);
  Repaint();
}

void UiLabel::SetTrimming(Gdiplus::StringTrimming trimming) {
  options_.trimming = trimming;
  format_.SetTrimming(trimming);
  Repaint();
}

void UiLabel::SetFormatFlags(int flags) {
  format_.SetFlags(flags);
  Remeasure();
}

}  // namespace getlink
