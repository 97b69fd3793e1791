// A control showing one picture: a still or animated image (PNG, JPEG, GIF... given as
// bytes) or a Windows icon, stretched, centred at its own size, or as a nine-part grid.
// Animated images play their frames with their own delays.
#pragma once

#include <optional>
#include <vector>

#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/OptionsControl.h"

namespace getlink {

enum class PicturePlacement : int { None = 0, Stretched = 1, Centred = 2, NineGrid = 3 };

struct PictureOptions {
  ByteSet image;  // any format GDI+ reads
  bool animate = true;
  std::optional<Argb> backColour;  // absent: nothing behind the image
  bool fixZeroDelays = false;      // a frame delay of 0 becomes the style's default delay
  PicturePlacement placement = PicturePlacement::Stretched;
  Margins gridMargins;  // for PicturePlacement::NineGrid; empty: natural size at the corner
  BorderStyle borderStyle = BorderStyle::None;
  bool visible = true;
  bool focusable = true;
};

class UiPicture : public OptionsControl<UiControl, PictureOptions, ControlType::Picture> {
 public:
  using Placement = PicturePlacement;

  struct IconOptions {
    std::optional<Argb> backColour;
    Placement placement = Placement::Stretched;
    BorderStyle borderStyle = BorderStyle::None;
    bool visible = true;
    bool focusable = true;
  };

  ~UiPicture() override { Destroy(); }

  // The icon becomes a 32-bit bitmap that keeps the icon's own transparency.
  bool CreateFromIcon(HWND host, const ControlPlace& place, HICON icon, const IconOptions& options);
  // Shows another icon (the window's, drawn for a new DPI) in place of the one it has.
  void SetIcon(HICON icon);

  // Switching starts over at the first frame.
  void SetAnimate(bool animate);
  void SetImage(const ByteSet& image);
  void SetBackColour(std::optional<Argb> colour);
  int FrameIndex() const { return frameIndex_; }
  int FrameCount() const { return frameCount_; }
  const std::vector<int>& FrameDelays() const { return frameDelays_; }
  GpImage* Picture() const;

  // Shows the frame that is due and arms the timer for the one after it; a disabled
  // picture shows nothing new and only counts the frame.
  void ShowNextFrame();

 protected:
  AccessRole DefaultAccessibleRole() const override { return AccessRole::Graphic; }
  int OnCreate() override;
  int OnPaint() override;
  int OnShown() override;
  int OnTimer(TimerPurpose timer) override;
  int OnDestroy() override;

 private:
  std::optional<CreateControlOptions> Prepare(const UiStyle& style) override;
  // Decodes options_.image and reads its frames; frames without a delay (and, with
  // fixZeroDelays, those of delay 0) get `defaultDelay` hundredths.
  void Load(int defaultDelay);

  Image picture_;
  UniqueBitmap iconBitmap_;
  int frameIndex_ = 0;  // the frame due next
  int shownFrame_ = 0;
  int frameCount_ = 0;
  std::vector<int> frameDelays_;
};

}  // namespace getlink
