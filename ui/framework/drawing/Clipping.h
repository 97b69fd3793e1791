// Limiting where a graphics draws.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/GdiHandles.h"
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

// Gives a window the shape of `region` (SetWindowRgn). The window owns the region once it
// took it; when it refuses, the region is deleted here. False when refused.
bool SetWindowShape(HWND window, GdiRegion region);

}  // namespace getlink
