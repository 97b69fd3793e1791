// Images loaded from bytes in memory, and what the framework reads from any image.
#pragma once

#include <optional>
#include <vector>

#include "runtime/ComPtr.h"
#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

// Whether the bytes to load hold the 8-byte PNG signature or it must be put in front.
enum class PngSignature { Stored, Prepend };

// A GDI+ image together with the stream it was decoded from (GDI+ may read the stream
// again while the image lives). Empty when loading failed: callers then draw without it.
class Image {
 public:
  Image() = default;
  Image(Image&&) noexcept = default;
  Image& operator=(Image&& other) noexcept;

  explicit operator bool() const { return image_ != nullptr; }
  GpImage* Get() const { return image_.get(); }
  int Width() const;
  int Height() const;

 private:
  friend Image LoadImageFromBytes(const ByteSet& bytes, PngSignature signature);
  friend void FreeImage(Image& image);

  ComPtr<IStream> stream_;  // declared first: outlives the image
  UniqueImage image_;
};

// Decodes any image GDI+ reads (PNG, JPEG, GIF, BMP, ICO...) from a copy of `bytes`.
Image LoadImageFromBytes(const ByteSet& bytes, PngSignature signature = PngSignature::Stored);

// Releases the image and its memory now rather than at the end of its scope.
void FreeImage(Image& image);

// Sizes in pixels; 0 for no image.
int ImageWidth(GpImage* image);
int ImageHeight(GpImage* image);

// Frames in the time dimension (an animated GIF has several); 1 for a still image,
// 0 for no image.
int ImageFrameCount(GpImage* image);

// The frame delays of an animated image in hundredths of a second, one a frame; empty
// when the image has none (a still image).
std::vector<int> ImageFrameDelays(GpImage* image);

// Makes frame `index` (0-based, time dimension) the one that is drawn.
void SelectFrame(GpImage* image, int index);

// The mean red, green and blue of the image (or of `area` of it), as if it lay on black.
// 0 for no image or an empty area.
ColorRef AverageColour(GpImage* image, std::optional<Rect> area = std::nullopt);

// The image scaled to width x height with bilinear filtering, as GDI+ stretches it when
// drawing, but done here: Wine's GDI+ takes many times longer for it. Null for no image or
// an empty size.
UniqueBitmap ScaledImage(GpImage* image, int width, int height);

// The pixel at (x, y) of a bitmap as straight ARGB; 0 outside it or for no bitmap.
Argb PixelAt(GpBitmap* bitmap, int x, int y);

// The image as the bytes of a PNG file; empty when GDI+ cannot encode it.
ByteSet EncodePng(GpImage* image);

}  // namespace getlink
