#include "ui/framework/drawing/Clipping.h"

namespace getlink {

void ClipRect(GpGraphics* graphics, const Rect& rect, Gdiplus::CombineMode mode) {
  if (graphics != nullptr) gdip::GdipSetClipRect(graphics, rect.left, rect.top, rect.width, rect.height, mode);
}

void ClipRegion(GpGraphics* graphics, GpRegion* region, Gdiplus::CombineMode mode) {
  if (graphics != nullptr && region != nullptr) gdip::GdipSetClipRegion(graphics, region, mode);
}

void ResetClip(GpGraphics* graphics) {
  if (graphics != nullptr) gdip::GdipResetClip(graphics);
}

Rect VisibleClipBounds(GpGraphics* graphics) {
  Gdiplus::RectF bounds;
  if (graphics == nullptr || gdip::GdipGetVisibleClipBounds(graphics, &bounds) != Gdiplus::Ok) return Rect{};
  return Rect{bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

UniqueRegion RegionFromGdi(HRGN region) {
  GpRegion* converted = nullptr;
  if (region == nullptr || gdip::GdipCreateRegionHrgn(region, &converted) != Gdiplus::Ok) return nullptr;
  return UniqueRegion(converted);
}

bool SetWindowShape(HWND window, GdiRegion region) {
  if (region == nullptr || !SetWindowRgn(window, region.get(), TRUE)) return false;
  region.release();  // the system's now
  return true;
}

}  // namespace getlink
