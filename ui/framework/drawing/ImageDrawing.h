// Drawing images: stretched, at their own size, in parts, as a nine-part grid.
// `alpha` (0..255) scales the image's own opacity.
#pragma once

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusApi.h"

namespace getlink {

// The whole image stretched into `destination`.
void DrawImageAlpha(GpGraphics* graphics, GpImage* image, const Rect& destination, int alpha = 255);

// The `source` part of the image (in image pixels) stretched into `destination`, e.g.
// one cell of a sprite. A negative source height draws the part upside down.
void DrawImagePart(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                   int alpha = 255);

// The image at its own size, centred on `rect` or at its top-left corner.
void DrawImageNatural(GpGraphics* graphics, GpImage* image, const Rect& rect, bool centre);

// The image (or its `source` part) fitted to `destination` as a nine-part grid: corners
// unscaled, edges stretched along them, the centre stretched both ways (NineGridPieces).
void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& destination, const Margins& margins,
                       int alpha = 255);
void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                       const Margins& margins, int alpha = 255);
// With the borders `sourceMargins` wide in the image and `destinationMargins` on the destination.
void DrawImageNineGrid(GpGraphics* graphics, GpImage* image, const Rect& source, const Rect& destination,
                       const Margins& sourceMargins, const Margins& destinationMargins, int alpha = 255);

}  // namespace getlink
