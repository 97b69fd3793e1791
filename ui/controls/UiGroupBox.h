// A filled frame with an optional caption set into its top edge: the frame line runs
// through the middle of the caption and is broken where the caption sits. It takes no
// input and no focus. The main window uses one without caption as its shaded bottom strip.
#pragma once

#include <optional>

#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"
#include "ui/framework/window/UiTextControl.h"

namespace getlink {

enum class CaptionAlign : int { Left = 0, Centre = 1, Right = 2 };

struct GroupBoxOptions {
  Text caption;  // may be empty: an unbroken frame
  Argb captionColour = MakeArgb(210, 0, 0, 0);
  FontChoice font;  // nothing given: the framework's default font
  TextEffect captionEffect = TextEffect::None;
  Argb captionEffectColour = 0;  // 0: chosen from the caption colour
  CaptionAlign captionAlign = CaptionAlign::Left;
  Argb fillColour = 0;  // 0: no fill
  Argb borderColour = MakeArgb(80, 0, 0, 0);
  std::optional<bool> roundCorners;  // absent: as the host window's corners
  bool visible = true;
};

class UiGroupBox : public UiTextControl {
 public:
  using Options = GroupBoxOptions;

  UiGroupBox() = default;
  ~UiGroupBox() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const Options& options = {});
  bool Create(UiControl& parent, const Rect& rect, const Options& options = {});

  // Every setter repaints; a new caption or font is measured first. The font's setters
  // are UiTextControl's.
  const Text& Caption() const { return caption_; }
  void SetCaption(Text caption);
  Argb CaptionColour() const { return captionColour_; }
  void SetCaptionColour(Argb colour) { StoreAndRepaint(captionColour_, colour); }
  Argb FillColour() const { return fillColour_; }
  void SetFillColour(Argb colour) { StoreAndRepaint(fillColour_, colour); }
  CaptionAlign GetCaptionAlign() const { return captionAlign_; }
  void SetCaptionAlign(CaptionAlign align) { StoreAndRepaint(captionAlign_, align); }
  Argb BorderColour() const { return borderColour_; }
  void SetBorderColour(Argb colour) { StoreAndRepaint(borderColour_, colour); }
  bool RoundCorners() const { return roundCorners_; }

  // The measured caption, in whole pixels (0 x 0 without a caption).
  int CaptionWidth() const { return captionWidth_; }
  int CaptionHeight() const { return captionHeight_; }
  // The frame, and the box the caption is drawn in (the top line breaks around it).
  Rect FrameRect() const;
  Rect CaptionRect() const;

 protected:
  int OnCreate() override;
  int OnDestroy() override;
  int OnPaint() override;
  int OnResized(int, int) override;
  void FontChanged() override {
    Measure();
    Repaint();
  }

 private:
  CreateControlOptions Prepare(const Options& options);
  void Measure();

  Text caption_;
  CaptionAlign captionAlign_ = CaptionAlign::Left;
  Argb captionColour_ = 0;
  TextFormat format_ = TextFormat::Empty();
  TextEffect captionEffect_ = TextEffect::None;
  Argb captionEffectColour_ = 0;
  Argb fillColour_ = 0;
  Argb borderColour_ = 0;
  std::optional<bool> roundChoice_;
  bool roundCorners_ = true;
  int captionWidth_ = 0;
  int captionHeight_ = 0;
};

}  // namespace getlink
