// Asking the desktop compositor to blur what lies behind a window.
#pragma once

#include <windows.h>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// Switches the compositor's blur behind `window` on, inside the rounded rectangle
// `area` (corners of diameter `cornerDiameter`), or off. Only Windows 6.x (Vista, 7)
// blurs, and only while composition is on; elsewhere nothing happens, and the
// compositor's library is never loaded. True when the compositor was asked.
bool SetBlurBehind(HWND window, const Rect& area, int cornerDiameter, bool on);

}  // namespace getlink
