// Owners of GDI+ objects: one type per kind, each deleting its object the one way GDI+
// wants. No other code deletes a GDI+ object. (String formats are owned by TextFormat.)
#pragma once

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

}  // namespace getlink
