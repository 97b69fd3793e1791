// A drawn text: optionally over a gradient background and inside an outline, with the
// framework's glow or shadow under it, in a fixed colour or in black or white to stand
// out against the window behind it (autoContrast). Without word wrap every "\r\n" starts
// a line and the lines sit as a block at the top, middle or bottom; with word wrap the
// text flows from the top. A label takes no input and, unless made focusable, no focus.
#pragma once

#include <optional>

#include "ui/framework/drawing/ControlFont.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiControl.h"

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

class UiLabel : public UiControl {
 public:
  using Options = LabelOptions;

  UiLabel() = default;
  ~UiLabel() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const Options& options = {});
  bool Create(UiControl& parent, const Rect& rect, const Options& options = {});

  // Every setter repaints; those that change what the text needs (text, font, format)
  // measure it again first.
  const Text& GetText() const { return text_; }
  void SetText(Text text);
  Argb TextColour() const { return textColour_; }
  void SetTextColour(Argb colour);
  Argb EffectColour() const { return effectColour_; }
  void SetEffectColour(Argb colour);
  TextEffect Effect() const { return effect_; }
  void SetEffect(TextEffect effect);
  LabelBackground Background() const { return background_; }
  void SetBackground(LabelBackground background);
  Argb BackColourFrom() const { return backColourFrom_; }
  void SetBackColourFrom(Argb colour);
  Argb BackColourTo() const { return backColourTo_; }
  void SetBackColourTo(Argb colour);
  Argb BorderColour() const { return borderColour_; }
  void SetBorderColour(Argb colour);
  bool AutoContrast() const { return autoContrast_; }
  void SetAutoContrast(bool on);
  VerticalAlign GetVerticalAlign() const { return verticalAlign_; }
  void SetVerticalAlign(VerticalAlign align);

  // Font: a new family, size or style keeps the other two.
  const ControlFont& Font() const { return font_; }
  void SetFontName(std::string_view family);
  void SetFontSize(float size);
  void SetFontStyle(FontStyle style);
  void SetFont(UniqueFont font);
  void ReleaseFont() { font_.Release(); }

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

 private:
  CreateControlOptions Prepare(const Options& options);
  void Remeasure();
  Rect TextRect() const;
  Argb InkColour() const;

  ControlFont font_;
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
