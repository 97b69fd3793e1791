#include "tests/ui/framework/drawing/TestBitmaps.h"

#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink::testing {

UniqueBitmap BitmapOf(int width, int height, const std::function<Argb(int x, int y)>& colourAt) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
    return nullptr;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) gdip::GdipBitmapSetPixel(bitmap, x, y, colourAt(x, y).Value());
  return UniqueBitmap(bitmap);
}

int CountPixels(const Surface& surface, const std::function<bool(int x, int y, Argb pixel)>& test) {
  int count = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x)
      if (test(x, y, surface.PixelAt(x, y))) ++count;
  return count;
}

void StartFramework() { FrameworkStartup(); }

}  // namespace getlink::testing
