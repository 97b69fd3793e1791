#include "ui/controls/MessageBoxPainter.h"

#include "ui/framework/drawing/EmbeddedImages.h"

namespace getlink {
namespace {

// Rows of the skin strip: the top band, the middle (read upwards from row 97), the footer.
constexpr Rect kTopBandSource = {0, 0, 1, 96};
constexpr Rect kMiddleSource = {0, 97, 1, -21};
constexpr Rect kFooterSource = {0, 129, 1, 31};

}  // namespace

void PaintMessageBoxBackground(GpGraphics* graphics, int width, int height, MessageBoxIcon icon,
                               const UiStyle& uiStyle) {
  const MessageBoxStyle& style = uiStyle.messageBox;
  const float scale = uiStyle.scale;
  // The panel keeps the style's inset from the left, top and right edges; the middle runs
  // from below the top band to the footer.
  const float inset = style.panelInset;
  const float across = static_cast<float>(width) - 2 * inset;
  const float h = static_cast<float>(height);
  const EmbeddedImage skin = EmbeddedImage::MessageBoxSkin;
  DrawEmbeddedImage(graphics, skin, scale, kTopBandSource, RectOf(inset, inset, across, style.topBandHeight));
  DrawEmbeddedImage(graphics, skin, scale, kMiddleSource,
                    RectOf(inset, style.middleTop, across, h - style.middleLessHeight));
  DrawEmbeddedImage(graphics, skin, scale, kFooterSource,
                    RectOf(inset, h - style.footerFromBottom, across, style.footerHeight));
  if (icon != MessageBoxIcon::None)
    DrawEmbeddedImage(graphics, EmbeddedImage::MessageBoxIcons, scale, MessageBoxIconCell(icon), style.icon);
}

}  // namespace getlink
