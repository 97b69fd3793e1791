#include "ui/framework/controls/ButtonLayout.h"

#include <cmath>

namespace getlink {
namespace {

// A rectangle of `size` whose left and top are rounded to whole pixels.
Rect At(float left, float top, Extent size) { return RectOf(std::round(left), std::round(top), size.width, size.height); }

float Centred(float start, float length, float inner) { return start + (length - inner) / 2; }

// The image pinned by `position` (4 and above), `gap` off the edges it touches.
Rect Pinned(const Rect& c, Extent image, ImagePosition position, float gap) {
  const float left = c.left + gap, right = c.Right() - gap - image.width, bottom = c.Bottom() - gap - image.height;
  const float top = c.top + gap;
  const float middleX = Centred(c.left, c.width, image.width), middleY = Centred(c.top, c.height, image.height);
  switch (position) {
    case ImagePosition::Left: return At(left, middleY, image);
    case ImagePosition::Right: return At(right, middleY, image);
    case ImagePosition::Top: return At(middleX, top, image);
    case ImagePosition::Bottom: return At(middleX, bottom, image);
    case ImagePosition::TopLeft: return At(left, top, image);
    case ImagePosition::TopRight: return At(right, top, image);
    case ImagePosition::BottomLeft: return At(left, bottom, image);
    default: return At(right, bottom, image);
  }
}

}  // namespace

ButtonContent PlaceButtonContent(const Rect& content, Extent image, Extent caption, ImagePosition position,
                                 float gap, float offsetX, float offsetY) {
  const auto centredAlone = [&content](Extent size) {
    return size.IsEmpty() ? Rect{}
                          : At(Centred(content.left, content.width, size.width),
                               Centred(content.top, content.height, size.height), size);
  };
  ButtonContent placed{centredAlone(image), centredAlone(caption)};
  if (image.IsEmpty()) return placed;
  if (static_cast<int>(position) > static_cast<int>(ImagePosition::BelowCaption)) {
    if (!caption.IsEmpty()) placed.image = Pinned(content, image, position, gap);
  } else if (!caption.IsEmpty()) {
    const bool sideBySide =
        position == ImagePosition::LeftOfCaption || position == ImagePosition::RightOfCaption;
    const bool imageFirst = position == ImagePosition::LeftOfCaption || position == ImagePosition::AboveCaption;
    // The pair's extent, centred in the content; the two then share it in order.
    const float pairWidth = sideBySide ? image.width + gap + caption.width : std::fmax(image.width, caption.width);
    const float pairHeight = sideBySide ? std::fmax(image.height, caption.height) : image.height + gap + caption.height;
    const float x = Centred(content.left, content.width, pairWidth);
    const float y = Centred(content.top, content.height, pairHeight);
    if (sideBySide) {
      const float imageX = imageFirst ? x : x + caption.width + gap;
      const float captionX = imageFirst ? x + image.width + gap : x;
      placed.image = At(imageX, Centred(y, pairHeight, image.height), image);
      placed.caption = At(captionX, Centred(y, pairHeight, caption.height), caption);
    } else {
      const float imageY = imageFirst ? y : y + caption.height + gap;
      const float captionY = imageFirst ? y + image.height + gap : y;
      placed.image = At(Centred(x, pairWidth, image.width), imageY, image);
      placed.caption = At(Centred(x, pairWidth, caption.width), captionY, caption);
    }
  }
  placed.image.left += offsetX;
  placed.image.top += offsetY;
  return placed;
}

}  // namespace getlink
