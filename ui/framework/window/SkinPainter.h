// Paints a framework window's skin into its canvas: the background picture or colour
// inside the rounded body, the two border outlines, and the soft edge shadow around it.
#pragma once

#include <functional>
#include <optional>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/Surface.h"
#include "ui/framework/drawing/UiStyle.h"
#include "ui/framework/window/SizedPicture.h"

namespace getlink {

// How the background picture is placed: at its own size from the body's corner,
// stretched over the body, or centred on the window.
enum class SkinImageMode : int { Natural = 0, Stretched = 1, Centred = 2 };

// Corner shapes: square, a square image-only skin without border and shadow, rounded.
constexpr int kSquareCorners = 0;
constexpr int kImageOnlySkin = 1;
constexpr int kRoundCorners = 7;

struct SkinLook {
  GpImage* image = nullptr;  // the background picture, or null for the plain colour
  float pictureScale = 1;    // the window's: a picture at its own size is shown this much larger
  ColorRef colour;
  SkinImageMode imageMode{};
  int cornerRadius = kRoundCorners;
  int opacity = 255;          // of a layered window's body
  bool layered = true;
  bool blendImageEdges = true;
  bool edgeShadow = true;     // layered windows only
  std::optional<ColorRef> shadowColour;  // the style's when absent
  Margins nineGrid;           // image-only skins: the picture as a nine-part grid
};

class SkinPainter {
 public:
  // The picture is drawn from `sizes`, its copy at the size shown.
  SkinPainter(const SkinLook& look, const SkinStyle& style, SizedPicture& sizes)
      : look_(look), style_(style), sizes_(sizes) {}

  // Paints the whole canvas; `paintBackground` draws the application's own background
  // over the picture, before the border.
  void Paint(Surface& canvas, const std::function<void(GpGraphics*)>& paintBackground) const;

 private:
  GpImage* PictureAtScale() const;
  void PaintImage(Surface& canvas, const Rect& inner) const;
  void PaintBorder(GpGraphics* graphics, const Rect& inner) const;
  void PaintShadow(GpGraphics* graphics, const Rect& inner) const;

  SkinLook look_;
  const SkinStyle& style_;
  SizedPicture& sizes_;
};

}  // namespace getlink
