// How a nine-part image grid maps an image onto a rectangle of any size.
#pragma once

#include <vector>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

struct ImagePiece {
  Rect source;
  Rect destination;
};

// Cuts `source` (a part of an image) along `margins` into corners, edges and centre and
// places them on `destination`: the corners keep their size, the top and bottom edges
// stretch across, the left and right edges stretch down, the centre both ways. Margins
// wider than the source are scaled down to fit it; when the destination is smaller than
// the margins, the corners shrink in proportion rather than overlap. Pieces without area
// are left out.
std::vector<ImagePiece> NineGridPieces(const Rect& source, const Rect& destination, const Margins& margins);
// The same with the borders at other widths on the destination than in the source (an
// image drawn at another scale than the one it is shown at).
std::vector<ImagePiece> NineGridPieces(const Rect& source, const Rect& destination, const Margins& sourceMargins,
                                       const Margins& destinationMargins);

}  // namespace getlink
