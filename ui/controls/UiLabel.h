// A drawn text: optionally over a gradient background and inside an outline, with the
// framework's glow or shadow under it, in a fixed colour or in black or white to stand
// out against the window behind it (autoContrast). Without word wrap every "\r\n" starts
// a line and the lines sit as a block at the top, middle or bottom; with word wrap the
// text flows from the top. A label takes no input and, unless made focusable, no focus.
#pragma once

#include <optional>

#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

// The background: none, or a linear gradient in one of GDI+'s directions.
enum class LabelBackground : int { None = -1, Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3 };

enum class VerticalAlign : int { Top = 0, Centre = 1, Bottom = 2 };

struct LabelOptions {
  Text text;  // may hold "\r\n"
  Argb textColour = MakeArgb(210, 0, 0, 0);
  LabelBackground background = LabelBackground::None;
  Argb backColourFrom = 0;  // 0: fully transparent
  Argb backColourTo = 0;
  bool wordWrap = false;
  bool autoContrast = false;
  FontChoice font;  // nothing given: the framework's default font
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  TextEffect effect = TextEffect::None;
  Argb effectColour = 0;  // 0: chosen from the text colour
  Argb borderColour = 0;  // 0: no outline
  VerticalAlign verticalAlign = VerticalAlign::Centre;
  bool visible = true;
};

class UiLabel : public UiTextControl {
 public:
  using Options = LabelOptions;

  UiLabel() = default;
  ~UiLabel() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const Options& options = {});
  bool Create(UiControl& parent, const Rect& rect, const Options& options = {});

  // Every setter repaints; those that change what the text needs (text, font, format)
  // measure it again first. The font's setters are UiTextControl's.
  const Text& GetText() const { return text_; }
  void SetText(Text text);
  Argb TextColour() const { return textColour_; }
  void SetTextColour(Argb colour) { StoreAndRepaint(textColour_, colour); }
  Argb EffectColour() const { return effectColour_; }
  void SetEffectColour(Argb colour) { StoreAndRepaint(effectColour_, colour); }
  TextEffect Effect() const { return effect_; }
  void SetEffect(TextEffect effect) { StoreAndRepaint(effect_, effect); }
  LabelBackground Background() const { return background_; }
  void SetBackground(LabelBackground background) { StoreAndRepaint(background_, background); }
  Argb BackColourFrom() const { return backColourFrom_; }
  void SetBackColourFrom(Argb colour) { StoreAndRepaint(backColourFrom_, colour); }
  Argb BackColourTo() const { return backColourTo_; }
  void SetBackColourTo(Argb colour) { StoreAndRepaint(backColourTo_, colour); }
  Argb BorderColour() const { return borderColour_; }
  void SetBorderColour(Argb colour) { StoreAndRepaint(borderColour_, colour); }
  bool AutoContrast() const { return autoContrast_; }
  void SetAutoContrast(bool on) { StoreAndRepaint(autoContrast_, on); }
  VerticalAlign GetVerticalAlign() const { return verticalAlign_; }
  void SetVerticalAlign(VerticalAlign align) { StoreAndRepaint(verticalAlign_, align); }

  // Format: word wrap switches between the one-line and the flowing flag sets.
  GpStringFormat* Format() const { return format_.Handle(); }
  void SetFormat(TextFormat format);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  Gdiplus::StringAlignment Alignment() const { return format_.Align(); }
  void SetAlignment(Gdiplus::StringAlignment alignment);
  Gdiplus::StringTrimming Trimming() const { return format_.Trimming(); }
  void SetTrimming(Gdiplus::StringTrimming trimming);
  int FormatFlags() const { return format_.Flags(); }
  void SetFormatFlags(int flags);

  // The measured size of the text, in whole pixels.
  int TextWidth() const { return textWidth_; }
  int TextHeight() const { return textHeight_; }
  // Measures the text again (done by the setters, on creation and on resizing).
  void Measure();
  // Where the text is laid out in the label's surface.
  Rect TextLayout() const;

 protected:
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int, int) override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;
  int OnRefresh() override;
  void FontChanged() override { Remeasure(); }

 private:
  CreateControlOptions Prepare(const Options& options);
  void Remeasure();
  Rect TextRect() const;
  Argb InkColour() const;

  Text text_;
  Argb textColour_ = 0;
  LabelBackground background_ = LabelBackground::None;
  Argb backColourFrom_ = 0;
  Argb backColourTo_ = 0;
  bool wordWrap_ = false;
  VerticalAlign verticalAlign_ = VerticalAlign::Centre;
  TextEffect effect_ = TextEffect::None;
  Argb borderColour_ = 0;
  bool autoContrast_ = false;
  Argb effectColour_ = 0;
  TextFormat format_ = TextFormat::Empty();
  int textWidth_ = 0;
  int textHeight_ = 0;
};

}  // namespace getlink
