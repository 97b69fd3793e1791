// A control showing one picture: a still or animated image (PNG, JPEG, GIF... given as
// bytes) or a Windows icon, stretched, centred at its own size, or as a nine-part grid.
// Animated images play their frames with their own delays.
#pragma once

#include <vector>

#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/window/UiControl.h"

namespace getlink {

class UiPicture : public UiControl {
 public:
  enum class Placement : int { None = 0, Stretched = 1, Centred = 2, NineGrid = 3 };

  struct Options {
    bool animate = true;
    Argb backColour = 0;         // 0: nothing behind the image
    bool fixZeroDelays = false;  // a frame delay of 0 becomes 10 (100 ms)
    Placement placement = Placement::Stretched;
    Margins gridMargins;          // for Placement::NineGrid; empty: natural size at the corner
    BorderStyle borderStyle = BorderStyle::None;
    bool visible = true;
    bool focusable = true;
  };
  struct IconOptions {
    Argb backColour = 0;
    Placement placement = Placement::Stretched;
    BorderStyle borderStyle = BorderStyle::None;
    bool visible = true;
    bool focusable = true;
  };

  ~UiPicture() override { Destroy(); }

  bool Create(HWND host, const Rect& rect, const ByteSet& image, const Options& options);
  bool Create(UiControl& parent, const Rect& rect, const ByteSet& image, const Options& options);
  // The icon becomes a 32-bit bitmap that keeps the icon's own transparency.
  bool CreateFromIcon(HWND host, const Rect& rect, HICON icon, const IconOptions& options);

  bool Animate() const { return animate_; }
  // Switching starts over at the first frame.
  void SetAnimate(bool animate);
  void SetImage(const ByteSet& image);
  Argb BackColour() const { return backColour_; }
  void SetBackColour(Argb colour);
  int FrameIndex() const { return frameIndex_; }
  int FrameCount() const { return frameCount_; }
  const std::vector<int>& FrameDelays() const { return frameDelays_; }
  GpImage* Picture() const;

  // Draws the current frame and arms the timer for the next one.
  void Paint();

 protected:
  int OnPaint() override;
  int OnShown() override;
  int OnTimer(TimerPurpose timer) override;
  int OnDestroy() override;

 private:
  CreateControlOptions Prepare(const ByteSet& image, const Options& options);
  void Load(const ByteSet& image);
  void SetOptions(const Options& options);

  ByteSet imageBytes_;
  Image picture_;
  UniqueBitmap iconBitmap_;
  bool animate_ = false;
  BorderStyle borderStyle_ = BorderStyle::None;
  int frameIndex_ = 0;
  int frameCount_ = 0;
  Argb backColour_ = 0;
  std::vector<int> frameDelays_;
  Placement placement_ = Placement::Stretched;
  bool fixZeroDelays_ = false;
  Margins gridMargins_;
};

}  // namespace getlink
