// A filled frame with an optional caption set into its top edge: the frame line runs
// through the middle of the caption and is broken where the caption sits. It takes no
// input and no focus. The main window uses one without caption as its shaded bottom strip.
#pragma once

#include <optional>

#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/OptionsControl.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

enum class CaptionAlign : int { Left = 0, Centre = 1, Right = 2 };

struct GroupBoxOptions {
  Text caption;  // may be empty: an unbroken frame
  std::optional<Argb> captionColour;  // absent: the style's text colour
  FontChoice font;  // nothing given: the framework's default font; Font() has the one in use
  TextEffect captionEffect = TextEffect::None;
  std::optional<Argb> captionEffectColour;  // absent: chosen from the caption colour
  CaptionAlign captionAlign = CaptionAlign::Left;
  std::optional<Argb> fillColour;  // absent: no fill
  std::optional<Argb> borderColour;  // absent: the style's border colour
  std::optional<bool> roundCorners;  // absent: as the host window's corners
  bool visible = true;
};

class UiGroupBox : public OptionsControl<UiTextControl, GroupBoxOptions, ControlType::Group> {
 public:
  UiGroupBox() = default;
  ~UiGroupBox() override { Destroy(); }

  // Every setter changes the options and repaints; a new caption or font is measured
  // first. The font's setters are UiTextControl's.
  void SetCaption(Text caption);
  void SetCaptionColour(std::optional<Argb> colour) { StoreAndRepaint(options_.captionColour, colour); }
  void SetFillColour(std::optional<Argb> colour) { StoreAndRepaint(options_.fillColour, colour); }
  void SetCaptionAlign(CaptionAlign align) { StoreAndRepaint(options_.captionAlign, align); }
  void SetBorderColour(std::optional<Argb> colour) { StoreAndRepaint(options_.borderColour, colour); }
  // The corners in use: as given, or as the host window's.
  bool RoundCorners() const { return roundCorners_; }

  // The measured caption, in whole pixels (0 x 0 without a caption).
  int CaptionWidth() const { return captionWidth_; }
  int CaptionHeight() const { return captionHeight_; }
  // The frame, and the box the caption is drawn in (the top line breaks around it).
  Rect FrameRect() const;
  Rect CaptionRect() const;

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::Grouping; }
  Text DefaultAccessibleName() const override { return options_.caption; }
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int, int) override;
  void FontChanged() override {
    Measure();
    Repaint();
  }

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  void Measure();

  TextFormat format_ = TextFormat::Empty();
  bool roundCorners_ = true;
  int captionWidth_ = 0;
  int captionHeight_ = 0;
};

}  // namespace getlink
