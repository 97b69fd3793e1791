#include "ui/framework/drawing/Surface.h"

#include <algorithm>

#include "ui/framework/drawing/Image.h"

namespace getlink {

Surface::Surface(int width, int height) {
  if (width < 1 || height < 1) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first, like GDI+ bitmaps
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (dc == nullptr) return;
  GdiBitmap dib(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib == nullptr || bits == nullptr) return;
  ObjectSelection selection(dc.get(), dib.get());

  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits),
                                      &bitmap) != Gdiplus::Ok)
    return;
  UniqueBitmap ownedBitmap(bitmap);
  GpGraphics* graphics = nullptr;
  if (gdip::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok) return;
  UniqueGraphics ownedGraphics(graphics);
  gdip::GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeAntiAlias);
  gdip::GdipSetTextRenderingHint(graphics, Gdiplus::TextRenderingHintAntiAliasGridFit);

  width_ = width;
  height_ = height;
  pixels_ = static_cast<std::uint32_t*>(bits);  // a fresh DIB section is all zeros
  dc_ = std::move(dc);
  dib_ = std::move(dib);
  selection_ = std::move(selection);
  bitmap_ = std::move(ownedBitmap);
  graphics_ = std::move(ownedGraphics);
}

Surface& Surface::operator=(Surface&& other) noexcept {
  // Through a temporary, so that the old surface is torn down in the right order.
  Surface taken(std::move(other));
  swap(taken);
  return *this;
}

void Surface::swap(Surface& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(pixels_, other.pixels_);
  std::swap(dc_, other.dc_);
  std::swap(dib_, other.dib_);
  std::swap(selection_, other.selection_);
  std::swap(bitmap_, other.bitmap_);
  std::swap(graphics_, other.graphics_);
}

void Surface::Clear(Argb colour) {
  if (graphics_ == nullptr) return;
  const int alpha = AlphaOf(colour);
  if ((alpha == 0 || alpha == 255) && !IsClipped()) {
    GdiFlush();
    // Premultiplied: a clear colour is all zeros, an opaque one is as it is.
    std::fill(pixels_, pixels_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              alpha == 0 ? 0u : colour.Value());
    return;
  }
  gdip::GdipGraphicsClear(graphics_.get(), colour.Value());
}

bool Surface::IsClipped() const {
  GpRegion* clip = nullptr;
  if (gdip::GdipCreateRegion(&clip) != Gdiplus::Ok) return true;
  const UniqueRegion owned(clip);
  BOOL infinite = FALSE;
  return gdip::GdipGetClip(graphics_.get(), clip) != Gdiplus::Ok ||
         gdip::GdipIsInfiniteRegion(clip, graphics_.get(), &infinite) != Gdiplus::Ok || !infinite;
}

void Surface::ScaleAlpha(int alpha) {
  if (pixels_ == nullptr || alpha >= 255) return;
  GdiFlush();
  const std::uint32_t scale = static_cast<std::uint32_t>(alpha < 0 ? 0 : alpha);
  const auto scaled = [scale](std::uint32_t channel) { return (channel * scale + 127) / 255; };
  std::uint32_t* const end = pixels_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  for (std::uint32_t* pixel = pixels_; pixel != end; ++pixel) {
    const std::uint32_t p = *pixel;
    // Premultiplied: colour and alpha scale alike.
    *pixel = scaled(p >> 24) << 24 | scaled((p >> 16) & 0xFF) << 16 | scaled((p >> 8) & 0xFF) << 8 | scaled(p & 0xFF);
  }
}

Argb Surface::PixelAt(int x, int y) const { return getlink::PixelAt(bitmap_.get(), x, y); }

}  // namespace getlink
