#include "ui/framework/drawing/ImageDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Image.h"
#include "ui/framework/drawing/NineGrid.h"

namespace getlink {
namespace {

constexpr float kNudge = 1.0f / 1024;

// Image drawing with pixel centres at half coordinates, for the time of one call: an
// image drawn 1:1 at whole coordinates then lands on whole pixels, and stretched pieces
// of a grid meet without seams.
class PixelOffsetScope {
 public:
  explicit PixelOffsetScope(GpGraphics* graphics) : graphics_(graphics) {
    gdip::GdipGetPixelOffsetMode(graphics_, &previous_);
    gdip::GdipSetPixelOffsetMode(graphics_, Gdiplus::PixelOffsetModeHalf);
  }
  ~PixelOffsetScope() { gdip::GdipSetPixelOffsetMode(graphics_, previous_); }
  PixelOffsetScope(const PixelOffsetScope&) = delete;
  PixelOffsetScope& operator=(const PixelOffsetScope&) = delete;

 private:
  GpGraphics* graphics_;
  Gdiplus::PixelOffsetMode previous_ = Gdiplus::PixelOffsetModeDefault;
};

// Attributes that scale opacity by alpha / 255 and mirror the image at its edges rather
// than fading stretched edges into transparency.
UniqueImageAttributes MakeAttributes(int alpha) {
  GpImageAttributes* raw = nullptr;
  if (gdip::GdipCreateImageAttributes(&raw) != Gdiplus::Ok) return nullptr;
  UniqueImageAttributes attributes(raw);
  gdip::GdipSetImageAttributesWrapMode(raw, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
  if (alpha < 255) {
    Gdiplus::ColorMatrix matrix = {};
    for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = static_cast<float>(alpha) / 255.0f;
    gdip::GdipSetImageAttributesColorMatrix(raw, Gdiplus::ColorAdjustTypeDefault, TRUE, &matrix, nullptr,
                                            Gdiplus::ColorMatrixFlagsDefault);
  }
  return attributes;
}

Rect WholeImage(GpImage* image) {
  return Rect{0, 0, static_cast<float>(ImageWidth(image)), static_cast<float>(ImageHeight(image))};
}

void DrawRectRect(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                  GpImageAttributes* attributes) {
  gdip::GdipDrawImageRectRect(graphics, image, destination.left, destination.top, destination.width,
                              destination.height, source.left, source.top, source.width, source.height,
                              Gdiplus::UnitPixel, attributes, nullptr, nullptr);
}

// A stretched part of an image is drawn from a copy of just that part: filtering then
// cannot pull in pixels from beyond the part (the next sprite cell, a grid's corner).
void DrawPiece(GpGraphics* graphics, GpImage* image, const ImagePiece& piece, GpImageAttributes* attributes) {
  const Rect& s = piece.source;
  const Rect& d = piece.destination;
  const Rect area{std::min(s.left, s.Right()), std::min(s.top, s.Bottom()), std::abs(s.width), std::abs(s.height)};
  const bool stretched = area.width != d.width || area.height != d.height;
  // Wine's GDI+ rounds the start of a stretched image up to the next pixel when float
  // error puts it a hair past a whole coordinate, losing the first row or column; a
  // start a thousandth of a pixel earlier lands on the intended pixel everywhere.
  const Rect target = stretched ? Rect{d.left - kNudge, d.top - kNudge, d.width + kNudge, d.height + kNudge} : d;
  GpBitmap* part = nullptr;
  if (stretched && area != WholeImage(image) &&
      gdip::GdipCloneBitmapArea(area.left, area.top, area.width, area.height, PixelFormat32bppPARGB,
                                static_cast<GpBitmap*>(image), &part) == Gdiplus::Ok) {
    const UniqueBitmap owned(part);
    const Rect local{s.width < 0 ? area.width : 0, s.height < 0 ? area.height : 0, s.width, s.height};
    DrawRectRect(graphics, part, local, target, attributes);
    return;
  }
  DrawRectRect(graphics, image, s, target, attributes);
}

void DrawPieces(GpGraphics* graphics, GpImage* image, const std::vector<ImagePiece>& pieces, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  if (graphics == nullptr || image == nullptr || alpha == 0) return;
  const UniqueImageAttributes attributes = MakeAttributes(alpha);
  const PixelOffsetScope halfPixels(graphics);
  for (const ImagePiece& piece : pieces) DrawPiece(graphics, image, piece, attributes.get());
}

}  // namespace

void DrawImageAlpha(GpGraphics* graphics, GpImage* image, const Rect& destination, int alpha) {
  DrawPieces(graphics, image, {{WholeImage(image), destination}}, alpha);
}

void DrawImagePart(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination, int alpha) {
  DrawPieces(graphics, image, {{source, destination}}, alpha);
}

void DrawImageNatural(GpGraphics* graphics, GpImage* image, const Rect& rect, bool centre) {
  const Rect whole = WholeImage(image);
  Rect at{rect.left, rect.top, whole.width, whole.height};
  if (centre) {
    at.left = std::round(rect.left - (whole.width - rect.width) / 2);
    at.top = std::round(rect.top - (whole.height - rect.height) / 2);
  }
  DrawPieces(graphics, image, {{whole, at}}, 255);
}

void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& destination, const Margins& margins,
                       int alpha) {
  DrawImageNineGrid(graphics, image, WholeImage(image), destination, margins, alpha);
}

void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                       const Margins& margins, int alpha) {
  DrawPieces(graphics, image, NineGridPieces(source, destination, margins), alpha);
}

void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                       const Margins& sourceMargins, const Margins& destinationMargins, int alpha) {
  DrawPieces(graphics, image, NineGridPieces(source, destination, sourceMargins, destinationMargins), alpha);
}

}  // namespace getlink
