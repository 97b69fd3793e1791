// Black or white text, whichever stands out against what lies behind it.
#pragma once

#include <optional>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/Surface.h"

namespace getlink {

// The mean luma (0.299 R + 0.587 G + 0.114 B, 0..255) of the pixels of `surface` under
// `area`, each pixel counted by its opacity; nothing when the area is empty or wholly
// transparent.
std::optional<int> AverageLuma(const Surface& surface, const Rect& area);

// White when the background's luma is below the middle grey, else black; both with the
// alpha of `colour`. Without a background luma, `colour` itself.
Argb ContrastingColour(Argb colour, std::optional<int> backgroundLuma);

}  // namespace getlink
