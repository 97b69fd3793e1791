// Where a button's image and caption go inside its content rectangle.
#pragma once

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

// Where the image goes. The first four place image and caption as a pair centred in
// the content; the others pin the image to an edge or corner and centre the caption on
// its own.
enum class ImagePosition : int {
  LeftOfCaption = 0,
  RightOfCaption = 1,
  AboveCaption = 2,
  BelowCaption = 3,
  Left = 4,    // at the left edge, centred vertically
  Right = 5,
  Top = 6,     // at the top edge, centred horizontally
  Bottom = 7,
  TopLeft = 8,
  TopRight = 9,
  BottomLeft = 10,
  BottomRight = 11,
};

struct Extent {
  float width = 0;
  float height = 0;
  bool IsEmpty() const { return width <= 0 || height <= 0; }
};

struct ButtonContent {
  Rect image;    // empty when there is no image
  Rect caption;  // empty when there is no caption
};

// Lays out an image and a caption of the given sizes (either may be empty) in `content`.
// `gap` separates a paired image from the caption and keeps a pinned image off the edge;
// the offsets then shift the image alone. Left and top edges land on whole pixels.
ButtonContent PlaceButtonContent(const Rect& content, Extent image, Extent caption, ImagePosition position,
                                 float gap, float offsetX, float offsetY);

}  // namespace getlink
