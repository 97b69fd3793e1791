#include "ui/controls/MessageBoxPainter.h"

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/ImageDrawing.h"

namespace getlink {
namespace {

// The panel keeps 7 pixels from the left, top and right edges.
constexpr float kInset = 7;
// Rows of the strip: the top band, the middle (read upwards from row 97), the footer.
constexpr Rect kTopBandSource = {0, 0, 1, 96};
constexpr Rect kMiddleSource = {0, 97, 1, -21};
constexpr Rect kFooterSource = {0, 129, 1, 31};
constexpr float kTopBandHeight = 96;
constexpr float kFooterHeight = 35;
// The middle runs from below the top band to the footer.
constexpr float kMiddleTop = 103;
constexpr float kMiddleLessHeight = 145;
constexpr float kFooterFromBottom = 42;
constexpr Rect kIconPlace = {30, 40, 40, 40};

}  // namespace

void PaintMessageBoxBackground(GpGraphics* graphics, int width, int height, MessageBoxIcon icon) {
  const float across = static_cast<float>(width) - 2 * kInset;
  const float h = static_cast<float>(height);
  if (const Image skin = LoadEmbeddedImage(EmbeddedImage::MessageBoxSkin)) {
    DrawImagePart(graphics, skin.Get(), kTopBandSource, RectOf(kInset, kInset, across, kTopBandHeight));
    DrawImagePart(graphics, skin.Get(), kMiddleSource, RectOf(kInset, kMiddleTop, across, h - kMiddleLessHeight));
    DrawImagePart(graphics, skin.Get(), kFooterSource, RectOf(kInset, h - kFooterFromBottom, across, kFooterHeight));
  }
  if (icon == MessageBoxIcon::None) return;
  if (const Image icons = LoadEmbeddedImage(EmbeddedImage::MessageBoxIcons))
    DrawImagePart(graphics, icons.Get(), MessageBoxIconCell(icon), kIconPlace);
}

}  // namespace getlink
