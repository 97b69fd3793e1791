// The look of a push button's face: a fill, a vertical gradient over it, an outer and an
// inner outline and a line under the face, in colours that depend on the button's state.
#pragma once

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// The look a button last painted. A disabled button uses the disabled colours whatever
// its state.
enum class ButtonState : int { Normal = 0, Hot = 1, Pressed = 2, Focused = 3 };

// The style's colours for the state (the disabled ones whatever the state when disabled).
const ButtonFaceColours& FaceColours(const ButtonStyle& style, ButtonState state, bool disabled);

// The face of a button of `width` x `height`: the rectangle {0, 0, width, height - 1}
// with its line one pixel below it.
Rect FaceRect(int width, int height);

// The room for the image and caption inside `face`: one pixel in from its edges.
Rect ContentRect(const Rect& face);

// Paints the face into `face` (see FaceRect), with round or square corners.
void PaintButtonFace(GpGraphics* graphics, const Rect& face, const ButtonStyle& style,
                     const ButtonFaceColours& colours, bool rounded);

// Where the focus rectangle of a focused button goes, inside its face.
Rect FocusRect(const Rect& face, const ButtonStyle& style);

}  // namespace getlink
