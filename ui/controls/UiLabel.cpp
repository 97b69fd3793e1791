#include "ui/controls/UiLabel.h"

#include <cmath>

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Contrast.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/UiWindow.h"

namespace getlink {
namespace {

// Text drawn clear of the label's edges.
constexpr float kInset = 2;
// A one-line label keeps its lines whole; a flowing one breaks them at the label's width
// and measures trailing blanks, so that the measure matches what is drawn. (Font fallback
// stays on: a font without Chinese glyphs must not turn the text into boxes.)
constexpr int kLineFlags = Gdiplus::StringFormatFlagsNoWrap;
constexpr int kFlowFlags = Gdiplus::StringFormatFlagsMeasureTrailingSpaces | Gdiplus::StringFormatFlagsNoClip |
                           Gdiplus::StringFormatFlagsLineLimit;

}  // namespace

// --- creating ---

bool UiLabel::Create(HWND host, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(host, rect, ControlType::Label, Prepare(options));
}

bool UiLabel::Create(UiControl& parent, const Rect& rect, const Options& options) {
  if (IsCreated()) return true;
  return UiControl::Create(parent, rect, ControlType::Label, Prepare(options));
}

CreateControlOptions UiLabel::Prepare(const Options& options) {
  MutableFont().Choose(options.font);
  text_ = options.text;
  textColour_ = options.textColour;
  background_ = options.background;
  backColourFrom_ = options.backColourFrom;
  backColourTo_ = options.backColourTo;
  wordWrap_ = options.wordWrap;
  verticalAlign_ = options.verticalAlign;
  effect_ = options.effect;
  borderColour_ = options.borderColour;
  autoContrast_ = options.autoContrast;
  effectColour_ = options.effectColour;
  format_ = TextFormat(wordWrap_ ? kFlowFlags : kLineFlags);
  format_.SetAlign(options.alignment);
  format_.SetTrimming(options.trimming);
  CreateControlOptions base;
  base.visible = options.visible;
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
  if (text_.empty() || Graphics() == nullptr) return;
  // Lines are as wide as the label (a flowing text as its text rectangle); the height is
  // open, so every line counts.
  const float width = wordWrap_ ? TextRect().width : static_cast<float>(Width());
  const Rect box = MeasureText(Graphics(), text_, Font().Get(), RectOf(0, 0, width, 0), format_.Handle());
  textWidth_ = static_cast<int>(std::ceil(box.width));
  textHeight_ = static_cast<int>(std::ceil(box.height));
}

Rect UiLabel::TextRect() const {
  return RectOf(kInset, kInset, static_cast<float>(Width()) - 2 * kInset, static_cast<float>(Height()) - 2 * kInset);
}

Rect UiLabel::TextLayout() const {
  const Rect area = TextRect();
  // A flowing text starts at the top and may run one line past the bottom (clipped).
  if (wordWrap_) return RectOf(area.left, area.top, area.width, static_cast<float>(Height()) + Font().Height() + 3);
  const float height = static_cast<float>(textHeight_);
  float top = area.top + kInset;
  if (verticalAlign_ == VerticalAlign::Centre)
    top = area.top + std::floor((area.height - height) / 2);
  else if (verticalAlign_ == VerticalAlign::Bottom)
    top = area.Bottom() - height - kInset;
  return RectOf(area.left, top, area.width, height);
}

void UiLabel::Remeasure() {
  Measure();
  Repaint();
}

// --- painting ---

Argb UiLabel::InkColour() const {
  if (!autoContrast_ || Window() == nullptr) return textColour_;
  // The window's own background under the text, as the label's pixels do not show in it.
  Rect under = TextRect();
  under.left += GetRect().left;
  under.top += GetRect().top;
  return ContrastingColour(textColour_, AverageLuma(Window()->Background(), under));
}

int UiLabel::OnPaint() {
  if (!BeginControlPaint(true)) return kNotHandled;
  GpGraphics* g = Graphics();
  const Rect whole = RectOf(0, 0, static_cast<float>(Width()), static_cast<float>(Height()));
  // The background first, so that an opaque one cannot hide the outline.
  if (background_ != LabelBackground::None)
    FillGradient(g, whole, backColourFrom_, backColourTo_, static_cast<Gdiplus::LinearGradientMode>(background_));
  if (borderColour_ != 0) OutlineRect(g, whole, BorderStyle::Outline, borderColour_);
  if (!text_.empty()) {
    ClipRect(g, TextRect());
    DrawText(g, TextLayout(), text_, Font().Get(), InkColour(), format_.Handle(), effect_, effectColour_);
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
  if (autoContrast_) Repaint();
  return kNotHandled;
}

// --- properties ---

void UiLabel::SetText(Text text) {
  text_ = std::move(text);
  Remeasure();
}

void UiLabel::SetFormat(TextFormat format) {
  format_ = std::move(format);
  Remeasure();
}

void UiLabel::SetWordWrap(bool on) {
  wordWrap_ = on;
  format_.SetFlags(on ? kFlowFlags : kLineFlags);
  Remeasure();
}

void UiLabel::SetAlignment(Gdiplus::StringAlignment alignment) {
  format_.SetAlign(alignment);
  Repaint();
}

void UiLabel::SetTrimming(Gdiplus::StringTrimming trimming) {
  format_.SetTrimming(trimming);
  Repaint();
}

void UiLabel::SetFormatFlags(int flags) {
  format_.SetFlags(flags);
  Remeasure();
}

}  // namespace getlink
