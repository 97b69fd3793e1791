// Small GDI+ bitmaps built pixel by pixel, and looking at what was drawn.
#pragma once

#include <functional>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Surface.h"

namespace getlink::testing {

// A width x height ARGB bitmap whose pixel (x, y) is colourAt(x, y).
UniqueBitmap BitmapOf(int width, int height, const std::function<Argb(int x, int y)>& colourAt);

// How many pixels of the surface satisfy `test`.
int CountPixels(const Surface& surface, const std::function<bool(int x, int y, Argb pixel)>& test);

// Starts the framework once for the whole test program.
void StartFramework();

}  // namespace getlink::testing
