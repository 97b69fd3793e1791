#include "ui/controls/ComboBoxPainter.h"

#include "ui/framework/drawing/EmbeddedImages.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/ImageDrawing.h"
#include "ui/framework/drawing/TextDrawing.h"

namespace getlink {
namespace {

constexpr Margins kFrameMargins = {5, 5, 5, 5};
constexpr int kFrameAlpha = 244;
// The arrow's place, from the right edge, at its own size in the middle of it.
constexpr float kArrowRight = 22;
constexpr float kArrowWidth = 19;
constexpr float kArrowHeight = 22;
// The text's room: from x 4 to the arrow, 8 pixels less than the box's height.
constexpr float kTextLeft = 4;
constexpr float kTextLessWidth = 24;
constexpr float kTextLessHeight = 8;

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

void PaintComboFrame(GpGraphics* graphics, int width, int height, bool hot, bool open) {
  if (GpImage* frame = FrameImage())
    DrawImageNineGrid(graphics, frame, ComboBoxSkinFrame(hot || open), Whole(width, height), kFrameMargins,
                      kFrameAlpha);
  if (GpImage* arrow = ArrowImage()) {
    const Rect cell = ComboBoxArrowFrame(open);
    const float left = static_cast<float>(width) - kArrowRight + (kArrowWidth - cell.width) / 2;
    const float top =
        static_cast<float>((height - static_cast<int>(kArrowHeight)) / 2) + (kArrowHeight - cell.height) / 2;
    DrawImagePart(graphics, arrow, cell, RectOf(left, top, cell.width, cell.height));
  }
}

void PaintComboText(GpGraphics* graphics, int width, int height, std::string_view text, GpFont* font, Argb colour,
                    GpStringFormat* format) {
  if (text.empty()) return;
  const float h = static_cast<float>(height);
  const float top = (h - FontHeight(font) - 3) / 2 + 3;
  DrawText(graphics, RectOf(kTextLeft, top, static_cast<float>(width) - kTextLessWidth, h - kTextLessHeight), text,
           font, colour, format);
}

void PaintDropDownFrame(GpGraphics* graphics, int width, int height) {
  gdip::GdipGraphicsClear(graphics, 0);
  if (GpImage* frame = FrameImage())
    DrawImageNineGrid(graphics, frame, ComboBoxSkinFrame(true), Whole(width, height), kFrameMargins);
}

}  // namespace getlink
