// Limiting where a graphics draws.
#pragma once

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

void ClipRect(GpGraphics* graphics, const Rect& rect, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
void ClipRegion(GpGraphics* graphics, GpRegion* region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
void ResetClip(GpGraphics* graphics);
// The part of the graphics that drawing can still reach.
Rect VisibleClipBounds(GpGraphics* graphics);

// A GDI+ region with the shape of a GDI region (e.g. from CreateRoundRectRgn).
UniqueRegion RegionFromGdi(HRGN region);

}  // namespace getlink
