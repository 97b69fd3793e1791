// Owners of GDI+ objects: one type per kind, each deleting its object the one way GDI+
// wants. No other code deletes a GDI+ object. (String formats are owned by TextFormat.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

template <class Object, Gdiplus::GpStatus(WINGDIPAPI* Delete)(Object*)>
struct GdiplusDeleter {
  void operator()(Object* object) const noexcept { Delete(object); }
};

using UniqueGraphics = std::unique_ptr<GpGraphics, GdiplusDeleter<GpGraphics, gdip::GdipDeleteGraphics>>;

// Images and bitmaps (a bitmap is an image) are both disposed with GdipDisposeImage.
using ImageDeleter = GdiplusDeleter<GpImage, gdip::GdipDisposeImage>;
using UniqueImage = std::unique_ptr<GpImage, ImageDeleter>;
using UniqueBitmap = std::unique_ptr<GpBitmap, ImageDeleter>;

using UniqueFont = std::unique_ptr<GpFont, GdiplusDeleter<GpFont, gdip::GdipDeleteFont>>;
using UniqueFontFamily = std::unique_ptr<GpFontFamily, GdiplusDeleter<GpFontFamily, gdip::GdipDeleteFontFamily>>;
using UniqueBrush = std::unique_ptr<GpBrush, GdiplusDeleter<GpBrush, gdip::GdipDeleteBrush>>;
using UniquePen = std::unique_ptr<GpPen, GdiplusDeleter<GpPen, gdip::GdipDeletePen>>;
using UniquePath = std::unique_ptr<GpPath, GdiplusDeleter<GpPath, gdip::GdipDeletePath>>;
using UniqueRegion = std::unique_ptr<GpRegion, GdiplusDeleter<GpRegion, gdip::GdipDeleteRegion>>;
using UniqueImageAttributes =
    std::unique_ptr<GpImageAttributes, GdiplusDeleter<GpImageAttributes, gdip::GdipDisposeImageAttributes>>;

// The pixels of a bitmap's area in a 32-bit format, locked for reading or writing while the
// lock lives (written pixels go back into the bitmap when it ends).
class BitmapBitsLock {
 public:
  BitmapBitsLock(GpBitmap* bitmap, const Gdiplus::GpRect& area, Gdiplus::ImageLockMode mode,
                 Gdiplus::PixelFormat format)
      : bitmap_(bitmap) {
    Gdiplus::GpRect locked = area;
    locked_ = bitmap != nullptr &&
              gdip::GdipBitmapLockBits(bitmap, &locked, static_cast<UINT>(mode), format, &data_) == Gdiplus::Ok;
  }
  ~BitmapBitsLock() {
    if (locked_) gdip::GdipBitmapUnlockBits(bitmap_, &data_);
  }
  BitmapBitsLock(const BitmapBitsLock&) = delete;
  BitmapBitsLock& operator=(const BitmapBitsLock&) = delete;

  explicit operator bool() const { return locked_; }
  int Width() const { return static_cast<int>(data_.Width); }
  int Height() const { return static_cast<int>(data_.Height); }
  // Row y of the area (0-based), one 32-bit value a pixel.
  std::uint32_t* Row(int y) const {
    return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(data_.Scan0) +
                                            static_cast<std::ptrdiff_t>(y) * data_.Stride);
  }

 private:
  GpBitmap* bitmap_;
  Gdiplus::BitmapData data_ = {};
  bool locked_ = false;
};

}  // namespace getlink
