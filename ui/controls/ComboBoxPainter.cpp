#include "ui/controls/ComboBoxPainter.h"

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

// Shared by every combo box, made on first use.
GpImage* FrameImage() {
  static const Image image = LoadEmbeddedImage(EmbeddedImage::ComboBoxSkin);
  return image.Get();
}

GpImage* ArrowImage() {
  static const Image image = LoadEmbeddedImage(EmbeddedImage::ComboBoxArrow);
  return image.Get();
}

Rect Whole(int width, int height) { return RectOf(0, 0, static_cast<float>(width), static_cast<float>(height)); }

}  // namespace

void PaintComboFrame(GpGraphics* graphics, int width, int height, bool hot, bool open, const ComboBoxStyle& style) {
  if (GpImage* frame = FrameImage())
    DrawImageNineGrid(graphics, frame, ComboBoxSkinFrame(hot || open), Whole(width, height), style.frameMargins,
                      style.frameAlpha);
  if (GpImage* arrow = ArrowImage()) {
    const Rect cell = ComboBoxArrowFrame(open);
    const float left = static_cast<float>(width) - style.arrowRight + (style.arrowWidth - cell.width) / 2;
    const float top = static_cast<float>((height - static_cast<int>(style.arrowHeight)) / 2) +
                      (style.arrowHeight - cell.height) / 2;
    DrawImagePart(graphics, arrow, cell, RectOf(left, top, cell.width, cell.height));
  }
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

void PaintDropDownFrame(GpGraphics* graphics, int width, int height, const ComboBoxStyle& style) {
  gdip::GdipGraphicsClear(graphics, 0);
  if (GpImage* frame = FrameImage())
    DrawImageNineGrid(graphics, frame, ComboBoxSkinFrame(true), Whole(width, height), style.frameMargins);
}

}  // namespace getlink
