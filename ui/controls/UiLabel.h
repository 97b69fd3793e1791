// A drawn text: optionally over a gradient background and inside an outline, with the
// framework's glow or shadow under it, in a fixed colour or in black or white to stand
// out against the window behind it (autoContrast). Without word wrap every "\r\n" starts
// a line and the lines sit as a block at the top, middle or bottom; with word wrap the
// text flows from the top. A one-line label may elide: a text too long for it is shown
// with characters taken out of its middle (LineElision.h), and whole in its tooltip. A
// label takes no input and, unless made focusable, no focus.
#pragma once

#include <optional>

#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/OptionsControl.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

// The background: none, or a linear gradient in one of GDI+'s directions.
enum class LabelBackground : int { None = -1, Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3 };

enum class VerticalAlign : int { Top = 0, Centre = 1, Bottom = 2 };

struct LabelOptions {
  Text text;  // may hold "\r\n"
  std::optional<Argb> textColour;  // absent: the style's text colour
  LabelBackground background = LabelBackground::None;
  Argb backColourFrom;  // fully transparent unless given
  Argb backColourTo;
  bool wordWrap = false;
  // Without word wrap: a text wider than the label loses characters from its middle, not
  // its end, and the tooltip shows it whole while it does (the application's tip is
  // replaced). The accessible name is the whole text, elided or not.
  bool elide = false;
  bool autoContrast = false;
  FontChoice font;  // nothing given: the framework's default font; Font() has the one in use
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  TextEffect effect = TextEffect::None;
  std::optional<Argb> effectColour;  // absent: chosen from the text colour
  std::optional<Argb> borderColour;  // absent: no outline
  VerticalAlign verticalAlign = VerticalAlign::Centre;
  bool visible = true;
};

class UiLabel : public OptionsControl<UiTextControl, LabelOptions, ControlType::Label> {
 public:
  UiLabel() = default;
  ~UiLabel() override { Destroy(); }

  // Every setter changes the options and repaints; those that change what the text needs
  // (text, font, format) measure it again first. The font's setters are UiTextControl's.
  const Text& GetText() const { return options_.text; }
  // What is drawn: the text, or the text elided to the label's width.
  const Text& ShownText() const { return shown_; }
  void SetText(Text text);
  void SetTextColour(std::optional<Argb> colour) { StoreAndRepaint(options_.textColour, colour); }
  void SetEffectColour(std::optional<Argb> colour) { StoreAndRepaint(options_.effectColour, colour); }
  void SetEffect(TextEffect effect) { StoreAndRepaint(options_.effect, effect); }
  void SetBackground(LabelBackground background) { StoreAndRepaint(options_.background, background); }
  void SetBackColourFrom(Argb colour) { StoreAndRepaint(options_.backColourFrom, colour); }
  void SetBackColourTo(Argb colour) { StoreAndRepaint(options_.backColourTo, colour); }
  void SetBorderColour(std::optional<Argb> colour) { StoreAndRepaint(options_.borderColour, colour); }
  void SetAutoContrast(bool on) { StoreAndRepaint(options_.autoContrast, on); }
  void SetVerticalAlign(VerticalAlign align) { StoreAndRepaint(options_.verticalAlign, align); }

  // Format: word wrap switches between the one-line and the flowing flag sets. The
  // format in use may differ from the options' alignment and trimming after SetFormat.
  GpStringFormat* Format() const { return format_.Handle(); }
  void SetFormat(TextFormat format);
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
  // The width `text` needs on one line in the label's font and format, whatever the
  // label's own width.
  float LineWidth(std::string_view text) const;
  // Where the text is laid out in the label's surface, and the room it is clipped to.
  Rect TextLayout() const;
  Rect TextRect() const;

 protected:
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int, int) override;
  int OnFocusGained(UiControl*) override;
  int OnFocusLost(UiControl*) override;
  int OnRefresh() override;
  void FontChanged() override { Remeasure(); }
  AccessRole DefaultAccessibleRole() const override { return AccessRole::StaticText; }
  // The text as one line: its line breaks read as spaces.
  Text DefaultAccessibleName() const override;

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  void Remeasure();
  void TipWholeText();
  Argb InkColour() const;

  TextFormat format_ = TextFormat::Empty();
  Text shown_;
  int textWidth_ = 0;
  int textHeight_ = 0;
};

}  // namespace getlink
