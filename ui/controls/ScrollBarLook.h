// How a scroll bar looks, in the style's colours: the idle look is a faint thumb alone; the
// full look adds the two arrows and the track, with the hot or pressed arrow darker and
// framed.
#pragma once

#include "ui/controls/ScrollGeometry.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

// Paints the bar; an empty `thumb` (nothing to scroll) draws none. `hot` is the part
// under the pointer or pressed.
void PaintScrollBar(GpGraphics* graphics, const ScrollGeometry& geometry, const Rect& thumb, bool full,
                    ScrollPart hot, const ScrollBarStyle& style);

}  // namespace getlink
