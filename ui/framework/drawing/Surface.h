// A 32-bit drawing surface with alpha: the canvas of a window and of every control.
#pragma once

#include <cstdint>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

// One block of premultiplied ARGB pixels (a top-down DIB section) seen three ways:
//   Dc()        a memory device context with the DIB selected, for BitBlt, AlphaBlend and
//               UpdateLayeredWindow;
//   Graphics()  a GDI+ graphics drawing into the pixels (smoothing AntiAlias, text
//               AntiAliasGridFit);
//   Bitmap()    a GDI+ bitmap over the same pixels, to draw the surface into another
//               graphics or read it back.
// GDI+ writes straight into the pixels; after drawing through Dc() with GDI, call
// GdiFlush() before reading them back.
class Surface {
 public:
  Surface() = default;
  // A surface of the given size, cleared to transparent; a width or height below 1
  // gives an empty surface.
  Surface(int width, int height);
  Surface(Surface&&) noexcept = default;
  Surface& operator=(Surface&& other) noexcept;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() = default;

  explicit operator bool() const { return graphics_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Dc() const { return dc_.get(); }
  GpGraphics* Graphics() const { return graphics_.get(); }
  GpBitmap* Bitmap() const { return bitmap_.get(); }
  const std::uint32_t* Pixels() const { return pixels_; }

  // Every pixel within the graphics' clip becomes `colour` (transparent by default).
  // Without a clip, a clear or opaque colour is written into the pixels directly: Wine's
  // GDI+ takes about a millisecond to clear a window's canvas.
  void Clear(Argb colour = Argb());
  // Every pixel's opacity times alpha / 255, as drawing the surface at that opacity onto
  // a clear one would give (and many times faster than that under Wine).
  void ScaleAlpha(int alpha);
  // The pixel at (x, y) as straight (not premultiplied) ARGB; Argb() outside the surface.
  Argb PixelAt(int x, int y) const;

 private:
  void swap(Surface& other) noexcept;
  bool IsClipped() const;  // whether the graphics draws within less than everything

  int width_ = 0;
  int height_ = 0;
  std::uint32_t* pixels_ = nullptr;
  // Declared in the order of creation, so they are destroyed in reverse.
  MemoryDc dc_;
  GdiBitmap dib_;
  ObjectSelection selection_;
  UniqueBitmap bitmap_;
  UniqueGraphics graphics_;
};

}  // namespace getlink
