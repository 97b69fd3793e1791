// A framework window's skin: its picture (its own, or borrowed from another framework
// window) and colour, the shape of its body with border and edge shadow, painted into the
// window's canvas; the region inside the border that controls are clipped to; and the
// desktop's blur behind the window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/UiStyle.h"
#include "ui/framework/window/AttachWindowOptions.h"
#include "ui/framework/window/SizedPicture.h"

namespace getlink {

class WindowSkin {
 public:
  // Paints and shapes by the skin section of `style`, which must outlive the skin.
  explicit WindowSkin(const UiStyle& style) : style_(style) {}

  // Takes the look from the options: opacity, picture placement, shape, blur, source.
  void Configure(const AttachWindowOptions& options);
  // The settings in use as Configure takes them, with the colour (no picture bytes): for a
  // window that takes its look from this one.
  AttachWindowOptions Settings() const;

  bool IsLayered() const { return opacity_ != -1; }
  bool BlurBehind() const { return blurBehind_; }
  int CornerRadius() const { return cornerRadius_; }
  void SetCornerRadius(int radius) { cornerRadius_ = radius; }
  void SetShadowColour(std::optional<ColorRef> colour) { shadowColour_ = colour; }
  // The picture and colour in use: the source window's while borrowed.
  GpImage* Image() const;
  ColorRef Colour() const { return colour_; }

  // A new picture and/or colour (absent: keep). A borrowed skin takes
  // the source window's picture and colour instead; a picture gives the colour its
  // average, which a given colour then overrides.
  void Change(const std::optional<ByteSet>& image, std::optional<ColorRef> colour);
  // Paints the whole skin into `canvas`, with `paintBackground` over the picture; a window
  // that is not layered also gets the body's rounded shape as its window region.
  void Paint(Surface& canvas, HWND hwnd, bool edgeShadow, const std::function<void(GpGraphics*)>& paintBackground) const;
  // The part of a window of `size` that controls may draw on; null for an image-only skin.
  UniqueRegion ControlArea(SIZE size) const;
  // Asks the desktop to blur behind the body (when the skin wants it), or stops it.
  void ApplyBlurBehind(HWND hwnd, SIZE size, bool on) const;
  // Lets go of the own picture.
  void Release() {
    sizes_.Reset();
    image_ = getlink::Image();
  }

 private:
  const UiStyle& style_;
  HWND source_ = nullptr;
  getlink::Image image_;
  mutable SizedPicture sizes_;  // the picture at the size last painted
  ColorRef colour_;
  int cornerRadius_ = kRoundCorners;
  int opacity_ = -1;
  SkinImageMode imageMode_ = SkinImageMode::Natural;
  std::optional<ColorRef> shadowColour_;
  bool blendImageEdges_ = true;
  bool blurBehind_ = false;
  Margins nineGrid_;
};

}  // namespace getlink
