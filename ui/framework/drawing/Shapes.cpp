#include "ui/framework/drawing/Shapes.h"

#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink {
namespace {

const Argb kDefaultBorder = MakeArgb(kOpaqueAlpha, 0x64, 0x64, 0x64);
const Argb kLightEdge = MakeArgb(kOpaqueAlpha, 0xFF, 0xFF, 0xFF);

UniquePen MakePen(Argb colour, float width) {
  GpPen* pen = nullptr;
  if (gdip::GdipCreatePen1(colour.Value(), width, Gdiplus::UnitPixel, &pen) != Gdiplus::Ok) return nullptr;
  return UniquePen(pen);
}

// The single-edge styles draw through the late-bound line entry points.
UniquePen MakeBoundPen(Argb colour, float width) {
  GpPen* pen = nullptr;
  if (bound::GdipCreatePen1(colour.Value(), width, Gdiplus::UnitPixel, &pen) != Gdiplus::Ok) return nullptr;
  return UniquePen(pen);
}

void DrawEdges(GpGraphics* graphics, const Rect& rect, Argb topLeft, Argb bottomRight, float width,
               Gdiplus::DashStyle dash) {
  const float left = rect.left, top = rect.top;
  const float right = rect.Right() - 1, bottom = rect.Bottom() - 1;
  const UniquePen first = MakeBoundPen(topLeft, width);
  const UniquePen second = MakeBoundPen(bottomRight, width);
  if (first == nullptr || second == nullptr) return;
  gdip::GdipSetPenDashStyle(first.get(), dash);
  gdip::GdipSetPenDashStyle(second.get(), dash);
  bound::GdipDrawLine(graphics, first.get(), left, top, right, top);
  bound::GdipDrawLine(graphics, first.get(), left, top, left, bottom);
  bound::GdipDrawLine(graphics, second.get(), left, bottom, right, bottom);
  bound::GdipDrawLine(graphics, second.get(), right, top, right, bottom);
}

}  // namespace

UniqueBrush SolidBrush(Argb colour) {
  Gdiplus::GpSolidFill* brush = nullptr;
  if (gdip::GdipCreateSolidFill(colour.Value(), &brush) != Gdiplus::Ok) return nullptr;
  return UniqueBrush(brush);
}

UniquePath RoundRectPath(const Rect& rect, float diameter) {
  GpPath* raw = nullptr;
  if (gdip::GdipCreatePath(Gdiplus::FillModeAlternate, &raw) != Gdiplus::Ok) return nullptr;
  UniquePath path(raw);
  if (diameter <= 0) {
    gdip::GdipAddPathRectangle(raw, rect.left, rect.top, rect.width, rect.height);
    return path;
  }
  const float d = diameter;
  const float right = rect.Right() - d - 1, bottom = rect.Bottom() - d - 1;
  gdip::GdipAddPathArc(raw, rect.left, rect.top, d, d, 180, 90);
  gdip::GdipAddPathArc(raw, right, rect.top, d, d, 270, 90);
  gdip::GdipAddPathArc(raw, right, bottom, d, d, 0, 90);
  gdip::GdipAddPathArc(raw, rect.left, bottom, d, d, 90, 90);
  gdip::GdipClosePathFigure(raw);
  return path;
}

void FillRoundRect(GpGraphics* graphics, const Rect& rect, float diameter, GpBrush* brush) {
  const UniquePath path = RoundRectPath(rect, diameter);
  if (graphics != nullptr && path != nullptr && brush != nullptr) gdip::GdipFillPath(graphics, brush, path.get());
}

void ClipToRoundRect(GpGraphics* graphics, const Rect& rect, float diameter) {
  const UniquePath path = RoundRectPath(rect, diameter);
  if (graphics != nullptr && path != nullptr) gdip::GdipSetClipPath(graphics, path.get(), Gdiplus::CombineModeReplace);
}

void OutlineRoundRect(GpGraphics* graphics, const Rect& rect, float diameter, Argb colour, float width,
                      Gdiplus::DashStyle dash) {
  const UniquePath path = RoundRectPath(rect, diameter);
  const UniquePen pen = MakePen(colour, width);
  if (graphics == nullptr || path == nullptr || pen == nullptr) return;
  gdip::GdipSetPenDashStyle(pen.get(), dash);
  gdip::GdipDrawPath(graphics, pen.get(), path.get());
}

Rect EdgeShape(const Rect& rect, float diameter) {
  return diameter > 0 ? rect : RectOf(rect.left, rect.top, rect.width - 1, rect.height - 1);
}

void OutlineRect(GpGraphics* graphics, const Rect& rect, BorderStyle style, std::optional<Argb> colour, float width) {
  if (graphics == nullptr) return;
  const Argb ink = colour.value_or(kDefaultBorder);
  switch (style) {
    case BorderStyle::Outline: {
      const UniquePen pen = MakePen(ink, width);
      if (pen != nullptr) gdip::GdipDrawRectangle(graphics, pen.get(), rect.left, rect.top, rect.width - 1, rect.height - 1);
      break;
    }
    case BorderStyle::Sunken:
      DrawEdges(graphics, rect, ink, kLightEdge, width, Gdiplus::DashStyleSolid);
      break;
    case BorderStyle::Raised:
      DrawEdges(graphics, rect, kLightEdge, ink, width, Gdiplus::DashStyleSolid);
      break;
    case BorderStyle::Focus:
      DrawEdges(graphics, rect, ink, ink, width, Gdiplus::DashStyleDot);
      break;
    default:
      break;
  }
}

void FillGradient(GpGraphics* graphics, const Rect& rect, Argb from, Argb to, Gdiplus::LinearGradientMode mode) {
  if (graphics == nullptr || rect.width <= 0 || rect.height <= 0) return;
  const Gdiplus::RectF area(rect.left, rect.top, rect.width, rect.height);
  Gdiplus::GpLineGradient* raw = nullptr;
  if (gdip::GdipCreateLineBrushFromRect(&area, from.Value(), to.Value(), mode, Gdiplus::WrapModeTileFlipXY, &raw) != Gdiplus::Ok)
    return;
  const UniqueBrush brush(raw);
  gdip::GdipFillRectangle(graphics, brush.get(), rect.left, rect.top, rect.width - 1, rect.height - 1);
}

}  // namespace getlink
