#include "ui/framework/window/SkinPainter.h"

#include <cmath>

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/ImageScale.h"
#include "ui/framework/drawing/Shapes.h"

namespace getlink {
namespace {

// Fills the whole canvas (within its clip) with exactly `colour`, replacing what is there.
void FillReplacing(Surface& canvas, Argb colour) {
  GpGraphics* g = canvas.Graphics();
  Gdiplus::CompositingMode old = Gdiplus::CompositingModeSourceOver;
  gdip::GdipGetCompositingMode(g, &old);
  gdip::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceCopy);
  const UniqueBrush brush = SolidBrush(colour);
  gdip::GdipFillRectangleI(g, brush.get(), 0, 0, canvas.Width(), canvas.Height());
  gdip::GdipSetCompositingMode(g, old);
}

}  // namespace

void SkinPainter::Paint(Surface& canvas, const std::function<void(GpGraphics*)>& paintBackground) const {
  GpGraphics* g = canvas.Graphics();
  if (g == nullptr) return;
  const float width = static_cast<float>(canvas.Width());
  const float height = static_cast<float>(canvas.Height());
  const Rect whole = RectOf(0, 0, width, height);
  const float margin = style_.shadowMargin;
  const Rect inner = RectOf(margin, margin, width - 2 * margin, height - 2 * margin);
  canvas.Clear();

  if (look_.cornerRadius == kImageOnlySkin) {
    if (look_.image != nullptr) {
      if (look_.nineGrid.IsEmpty())
        DrawImageNatural(g, PictureAtScale(), whole, false);
      else  // the borders as wide in 96-DPI units as they are in the picture
        DrawImageNineGrid(g, look_.image, RectOf(0, 0, static_cast<float>(ImageWidth(look_.image)),
                                                 static_cast<float>(ImageHeight(look_.image))),
                          whole, look_.nineGrid, ScaledMargins(look_.nineGrid, look_.pictureScale));
    }
    if (paintBackground) paintBackground(g);
    return;
  }

  const int ellipse = look_.cornerRadius == kSquareCorners ? 0 : style_.bodyArc;
  const int b = style_.bodyInset;
  const GdiRegion body(CreateRoundRectRgn(b, b, canvas.Width() - b + 1, canvas.Height() - b + 1, ellipse, ellipse));
  ClipRegion(g, RegionFromGdi(body.get()).get());
  if (look_.image != nullptr) {
    FillReplacing(canvas, MakeColor(look_.colour));
    PaintImage(canvas, inner);
    // Outside the body the canvas is clear: fading all of it fades the body alone.
    if (look_.layered && look_.opacity < 255) canvas.ScaleAlpha(look_.opacity);
  } else {
    FillReplacing(canvas, MakeColor(look_.colour, look_.layered ? look_.opacity : 255));
  }
  if (paintBackground) paintBackground(g);
  PaintBorder(g, inner);
  ResetClip(g);
  if (look_.layered && look_.edgeShadow) PaintShadow(g, inner);
}

// The picture at its own size in 96-DPI units: as many pixels larger as the window's scale.
GpImage* SkinPainter::PictureAtScale() const {
  const float scale = look_.pictureScale;
  const auto scaled = [scale](int length) { return static_cast<int>(ScaledLength(static_cast<float>(length), scale)); };
  GpImage* picture = sizes_.At(look_.image, scaled(ImageWidth(look_.image)), scaled(ImageHeight(look_.image)));
  return picture != nullptr ? picture : look_.image;
}

void SkinPainter::PaintImage(Surface& canvas, const Rect& inner) const {
  GpGraphics* g = canvas.Graphics();
  if (look_.imageMode == SkinImageMode::Stretched) {
    const int width = static_cast<int>(std::lround(inner.width)), height = static_cast<int>(std::lround(inner.height));
    GpImage* sized = sizes_.At(look_.image, width, height);
    DrawImageAlpha(g, sized != nullptr ? sized : look_.image, inner);
    return;  // the picture covers the body: no edges to blend
  }
  GpImage* picture = PictureAtScale();
  const float imageWidth = static_cast<float>(ImageWidth(picture));
  const float imageHeight = static_cast<float>(ImageHeight(picture));
  Rect placed;
  if (look_.imageMode == SkinImageMode::Centred) {
    DrawImageNatural(g, picture, RectOf(0, 0, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())),
                     true);
    placed = RectOf(std::round((canvas.Width() - imageWidth) / 2), std::round((canvas.Height() - imageHeight) / 2),
                    imageWidth, imageHeight);
  } else {
    DrawImageNatural(g, picture, inner, false);
    placed = RectOf(inner.left, inner.top, imageWidth, imageHeight);
  }
  if (!look_.blendImageEdges) return;
  // Bands along the picture's edges fade from clear (inside) to the skin colour (outside).
  const Argb solid = MakeColor(look_.colour);
  const Argb clear = MakeColor(look_.colour, 0);
  const float band = style_.imageEdgeBand;
  FillGradient(g, RectOf(placed.Right() - band, placed.top, band + 1, placed.height + 1), clear, solid,
               Gdiplus::LinearGradientModeHorizontal);
  FillGradient(g, RectOf(placed.left, placed.Bottom() - band, placed.width + 1, band + 1), clear, solid,
               Gdiplus::LinearGradientModeVertical);
  if (look_.imageMode == SkinImageMode::Centred) {
    FillGradient(g, RectOf(placed.left, placed.top, band + 1, placed.height + 1), solid, clear,
                 Gdiplus::LinearGradientModeHorizontal);
    FillGradient(g, RectOf(placed.left, placed.top, placed.width + 1, band + 1), solid, clear,
                 Gdiplus::LinearGradientModeVertical);
  }
}

void SkinPainter::PaintBorder(GpGraphics* g, const Rect& inner) const {
  // A dark line, and a light one inside it.
  const bool square = look_.cornerRadius == kSquareCorners;
  const float line = style_.lineWidth;
  Rect outline = inner;
  InflateRect(line, line, -2 * line, -2 * line, outline);
  OutlineRoundRect(g, outline, square ? 0.f : style_.outerBorderArc, style_.outerBorder, line);
  InflateRect(line, line, -2 * line, -2 * line, outline);
  OutlineRoundRect(g, outline, square ? 0.f : style_.innerBorderArc, style_.innerBorder, line);
}

void SkinPainter::PaintShadow(GpGraphics* g, const Rect& inner) const {
  // Four rings, each a line further out and fainter.
  const bool square = look_.cornerRadius == kSquareCorners;
  const ColorRef shadow = look_.shadowColour.value_or(style_.shadowColour);
  const auto& arcs = square ? style_.squareShadowArcs : style_.roundShadowArcs;
  const float line = style_.lineWidth;
  Rect ring = inner;
  for (std::size_t i = 0; i < style_.shadowAlphas.size(); ++i) {
    OutlineRoundRect(g, ring, arcs[i], MakeColor(shadow, style_.shadowAlphas[i]), line);
    InflateRect(-line, -line, 2 * line, 2 * line, ring);
  }
}

}  // namespace getlink
