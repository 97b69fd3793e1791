// The message box's background, painted over its skin: a light panel cut from the
// MessageBoxSkin strip (a band at the top, a stretched middle, a footer band behind the
// buttons) and the box's icon, where the style's message box section puts them.
#pragma once

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// For a box of `width` x `height` showing `icon` (MessageBoxIcon::None: no icon), from
// the images nearest the style's scale.
void PaintMessageBoxBackground(GpGraphics* graphics, int width, int height, MessageBoxIcon icon, const UiStyle& style);

}  // namespace getlink
