#include "ui/framework/window/ButtonFace.h"

#include "ui/framework/drawing/Clipping.h"
#include "ui/framework/drawing/Shapes.h"

namespace getlink {
namespace {

constexpr ColorRef kBlack(0x000000);
constexpr ColorRef kWhite(0xFFFFFF);
constexpr ColorRef kLight(0xECECEC);

// Corner arcs: the clip is a little rounder than the fill and outlines it cuts.
constexpr float kClipArc = 4;
constexpr float kFaceArc = 3;

ButtonFaceColours Row(ColorRef fill, int fillAlpha, ColorRef top, int topAlpha, ColorRef bottom, int bottomAlpha,
                      int outerAlpha, int innerAlpha, int lineAlpha) {
  return {MakeColor(fill, fillAlpha),   MakeColor(top, topAlpha),     MakeColor(bottom, bottomAlpha),
          MakeColor(kBlack, outerAlpha), MakeColor(kWhite, innerAlpha), MakeColor(kBlack, lineAlpha)};
}

}  // namespace

const ButtonFaceColours& FaceColours(ButtonState state, bool disabled) {
  // Fill, gradient top and bottom (each colour and alpha), then the alphas of the black
  // outer outline, the white inner outline and the black line under the face.
  static const ButtonFaceColours kNormal = Row(kLight, 204, kBlack, 0, kBlack, 102, 80, 51, 25);
  static const ButtonFaceColours kHot = Row(kLight, 204, kBlack, 21, kBlack, 153, 70, 51, 30);
  static const ButtonFaceColours kPressed = Row(kLight, 204, kBlack, 153, kLight, 21, 70, 51, 10);
  static const ButtonFaceColours kFocused = Row(kLight, 204, kBlack, 51, kBlack, 153, 80, 61, 25);
  static const ButtonFaceColours kDisabled = Row(kWhite, 51, kBlack, 51, kBlack, 51, 35, 30, 0);
  if (disabled) return kDisabled;
  switch (state) {
    case ButtonState::Normal: return kNormal;
    case ButtonState::Hot: return kHot;
    case ButtonState::Pressed: return kPressed;
    case ButtonState::Focused: return kFocused;
  }
  return kDisabled;
}

Rect FaceRect(int width, int height) {
  return RectOf(0, 0, static_cast<float>(width), static_cast<float>(height - 1));
}

void PaintButtonFace(GpGraphics* graphics, const Rect& face, const ButtonFaceColours& colours, bool rounded) {
  const float arc = rounded ? kFaceArc : 0;
  if (rounded) ClipToRoundRect(graphics, face, kClipArc);
  FillRoundRect(graphics, EdgeShape(face, arc), arc, SolidBrush(colours.fill).get());
  FillGradient(graphics, face, colours.gradientTop, colours.gradientBottom);
  if (rounded) ResetClip(graphics);
  OutlineRoundRect(graphics, EdgeShape(face, arc), arc, colours.outerOutline);
  Rect inner = face;
  InflateRect(1, 1, -2, -2, inner);
  OutlineRoundRect(graphics, EdgeShape(inner, arc), arc, colours.innerOutline);
  // The row of pixels under the face, as long as its straight bottom edge (pixel centres
  // lie on whole coordinates, so the row spans half a pixel either side of its centre).
  const float inset = rounded ? 2 : 0;
  FillRoundRect(graphics, RectOf(face.left + inset - 0.5f, face.Bottom() - 0.5f, face.width - 2 * inset, 1), 0,
                SolidBrush(colours.bottomLine).get());
}

Rect FocusRect(const Rect& face) { return RectOf(face.left + 2, face.top + 2, face.width - 4, face.height - 5); }

}  // namespace getlink
