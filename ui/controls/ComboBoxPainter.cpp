#include "ui/controls/ComboBoxPainter.h"

#include <cmath>

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

Rect Whole(int width, int height) { return RectOf(0, 0, static_cast<float>(width), static_cast<float>(height)); }

// The frame image as a nine-grid over the whole of `width` x `height`.
void PaintFrame(GpGraphics* graphics, int width, int height, bool hot, int alpha, const UiStyle& style) {
  DrawEmbeddedNineGrid(graphics, EmbeddedImage::ComboBoxSkin, style.scale, ComboBoxSkinFrame(hot), Whole(width, height),
                       kComboBoxSkinMargins, style.comboBox.frameMargins, alpha);
}

}  // namespace

void PaintComboFrame(GpGraphics* graphics, int width, int height, bool hot, bool open, const UiStyle& style) {
  const ComboBoxStyle& combo = style.comboBox;
  PaintFrame(graphics, width, height, hot || open, combo.frameAlpha, style);
  // The arrow at its own size at the window's scale, on whole pixels, in the middle of its place.
  const Rect cell = ComboBoxArrowFrame(open);
  const Rect size = ScaledCell({0, 0, cell.width, cell.height}, style.scale);
  const float left = static_cast<float>(width) - combo.arrowRight + std::round((combo.arrowWidth - size.width) / 2);
  const float top = static_cast<float>((height - static_cast<int>(combo.arrowHeight)) / 2) +
                    std::round((combo.arrowHeight - size.height) / 2);
  DrawEmbeddedImage(graphics, EmbeddedImage::ComboBoxArrow, style.scale, cell,
                    RectOf(left, top, size.width, size.height));
}

void PaintComboText(GpGraphics* graphics, int width, int height, std::string_view text, GpFont* font, Argb colour,
                    GpStringFormat* format, const ComboBoxStyle& style) {
  if (!text.empty()) DrawText(graphics, ComboTextArea(width, height, font, style), text, font, colour, format);
}

Rect ComboTextArea(int width, int height, GpFont* font, const ComboBoxStyle& style) {
  const float h = static_cast<float>(height);
  const float top = (h - FontHeight(font) - style.textLineExtra) / 2 + style.textLineExtra;
  return RectOf(style.textLeft, top, static_cast<float>(width) - style.textLessWidth, h - style.textLessHeight);
}

void PaintDropDownFrame(GpGraphics* graphics, int width, int height, const UiStyle& style) {
  gdip::GdipGraphicsClear(graphics, 0);
  PaintFrame(graphics, width, height, true, 255, style);
}

}  // namespace getlink
