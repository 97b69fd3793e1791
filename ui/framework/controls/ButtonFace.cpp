#include "ui/framework/controls/ButtonFace.h"

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Shapes.h"

namespace getlink {

const ButtonFaceColours& FaceColours(const ButtonStyle& style, ButtonState state, bool disabled) {
  if (disabled) return style.disabled;
  switch (state) {
    case ButtonState::Normal: return style.normal;
    case ButtonState::Hot: return style.hot;
    case ButtonState::Pressed: return style.pressed;
    case ButtonState::Focused: return style.focused;
  }
  return style.disabled;
}

Rect FaceRect(int width, int height) {
  return RectOf(0, 0, static_cast<float>(width), static_cast<float>(height - 1));
}

Rect ContentRect(const Rect& face) {
  Rect content = face;
  InflateRect(1, 1, -2, -2, content);
  return content;
}

void PaintButtonFace(GpGraphics* graphics, const Rect& face, const ButtonStyle& style,
                     const ButtonFaceColours& colours, bool rounded) {
  const float arc = rounded ? style.faceArc : 0;
  if (rounded) ClipToRoundRect(graphics, face, style.clipArc);
  FillRoundRect(graphics, EdgeShape(face, arc), arc, SolidBrush(colours.fill).get());
  FillGradient(graphics, face, colours.gradientTop, colours.gradientBottom);
  if (rounded) ResetClip(graphics);
  OutlineRoundRect(graphics, EdgeShape(face, arc), arc, colours.outerOutline);
  Rect inner = face;
  InflateRect(1, 1, -2, -2, inner);
  OutlineRoundRect(graphics, EdgeShape(inner, arc), arc, colours.innerOutline);
  // The row of pixels under the face, as long as its straight bottom edge (pixel centres
  // lie on whole coordinates, so the row spans half a pixel either side of its centre).
  const float inset = rounded ? style.bottomLineInset : 0;
  FillRoundRect(graphics, RectOf(face.left + inset - 0.5f, face.Bottom() - 0.5f, face.width - 2 * inset, 1), 0,
                SolidBrush(colours.bottomLine).get());
}

Rect FocusRect(const Rect& face, const ButtonStyle& style) {
  const float inset = style.focusInset;
  return RectOf(face.left + inset, face.top + inset, face.width - 2 * inset, face.height - inset - style.focusBottomInset);
}

}  // namespace getlink
