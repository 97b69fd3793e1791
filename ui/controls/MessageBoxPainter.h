// The message box's background, painted over its skin: a light panel cut from the
// MessageBoxSkin strip (a band at the top, a stretched middle, a footer band behind the
// buttons) and the box's icon, where the style's message box section puts them.
#pragma once

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// For a box of `width` x `height` showing `icon` (MessageBoxIcon::None: no icon).
void PaintMessageBoxBackground(GpGraphics* graphics, int width, int height, MessageBoxIcon icon,
                               const MessageBoxStyle& style);

}  // namespace getlink
