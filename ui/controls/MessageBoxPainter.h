// The message box's background, painted over its skin: a light panel cut from the
// MessageBoxSkin strip (a band at the top, a stretched middle, a footer band behind the
// buttons) and the box's icon at (30, 40).
#pragma once

#include <windows.h>

#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

// For the box window `box` of `width` x `height`; the icon is the one its
// "Zt_LayerUI_MsgBox" property names, drawn only while its "Zt_Wnd_Flags" marks it a
// message box.
void PaintMessageBoxBackground(HWND box, GpGraphics* graphics, int width, int height);

}  // namespace getlink
