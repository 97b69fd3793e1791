// Small GDI+ bitmaps built pixel by pixel, and looking at what was drawn.
#pragma once

#include <functional>

#include "runtime/Text.h"
#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Surface.h"

namespace getlink::testing {

// A width x height ARGB bitmap whose pixel (x, y) is colourAt(x, y).
UniqueBitmap BitmapOf(int width, int height, const std::function<Argb(int x, int y)>& colourAt);

// A 2 x 2 GIF of two frames (red, then blue), each with a delay of 0.
ByteSet TwoFrameGif();

// How many pixels of the surface satisfy `test`.
int CountPixels(const Surface& surface, const std::function<bool(int x, int y, Argb pixel)>& test);

// Starts the framework once for the whole test program.
void StartFramework();

}  // namespace getlink::testing
