// How a combo box and its drop-down look, from the two small skin images every combo box
// shares: the 40 x 26 frame (normal and hot) and the 30 x 12 arrow (closed and open).
#pragma once

#include <string_view>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// The frame, hot or normal, stretched over the box of `width` x `height` as a nine-grid,
// and the arrow, open or closed, at its right end; both from the images nearest the
// style's scale, at the sizes it gives.
void PaintComboFrame(GpGraphics* graphics, int width, int height, bool hot, bool open, const UiStyle& style);

// The box's text, left of the arrow, in the middle of the box's height: where a box of
// `width` x `height` draws it in `font`, and the drawing.
Rect ComboTextArea(int width, int height, GpFont* font, const ComboBoxStyle& style);
void PaintComboText(GpGraphics* graphics, int width, int height, std::string_view text, GpFont* font, Argb colour,
                    GpStringFormat* format, const ComboBoxStyle& style);

// The drop-down pop-up's frame: the hot frame over all of it.
void PaintDropDownFrame(GpGraphics* graphics, int width, int height, const UiStyle& style);

}  // namespace getlink
