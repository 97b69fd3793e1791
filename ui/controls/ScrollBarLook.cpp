#include "ui/controls/ScrollBarLook.h"

#include "ui/framework/drawing/Shapes.h"

namespace getlink {
namespace {

constexpr float kTrackArc = 6;
constexpr float kArrowFrameArc = 4;
// Half the width of an arrow's base, and how far its tip and base keep from the edges.
constexpr float kArrowHalfBase = 3;
constexpr float kArrowMargin = 2;

Argb Black(int alpha) { return MakeArgb(alpha, 0, 0, 0); }

void FillAndOutline(GpGraphics* g, const Rect& rect, float arc, int fillAlpha, int outlineAlpha) {
  const Rect shape = EdgeShape(rect, arc);
  FillRoundRect(g, shape, arc, SolidBrush(Black(fillAlpha)).get());
  OutlineRoundRect(g, shape, arc, Black(outlineAlpha));
}

// A triangle in `box` pointing away from the track: left or up for the first arrow,
// right or down for the second. Pixel centres lie on whole coordinates, so a box's
// pixels run from its left to its right less one.
UniquePath ArrowPath(const Rect& box, ScrollOrientation orientation, bool first) {
  GpPath* raw = nullptr;
  if (gdip::GdipCreatePath(Gdiplus::FillModeAlternate, &raw) != Gdiplus::Ok) return nullptr;
  UniquePath path(raw);
  const float right = box.Right() - 1, bottom = box.Bottom() - 1;
  const float middleX = (box.left + right) / 2, middleY = (box.top + bottom) / 2;
  Gdiplus::PointF points[3];
  if (orientation == ScrollOrientation::Horizontal) {
    const float tip = first ? box.left + kArrowMargin : right - kArrowMargin;
    const float base = first ? right - kArrowMargin : box.left + kArrowMargin;
    points[0] = {tip, middleY};
    points[1] = {base, middleY - kArrowHalfBase};
    points[2] = {base, middleY + kArrowHalfBase};
  } else {
    const float tip = first ? box.top + kArrowMargin : bottom - kArrowMargin;
    const float base = first ? bottom - kArrowMargin : box.top + kArrowMargin;
    points[0] = {middleX, tip};
    points[1] = {middleX - kArrowHalfBase, base};
    points[2] = {middleX + kArrowHalfBase, base};
  }
  gdip::GdipAddPathPolygon(raw, points, 3);
  return path;
}

void PaintArrow(GpGraphics* g, const ScrollGeometry& geometry, bool first, bool hot) {
  const Rect& box = first ? geometry.FirstArrow() : geometry.SecondArrow();
  if (hot) OutlineRoundRect(g, EdgeShape(box, kArrowFrameArc), kArrowFrameArc, Black(160));
  const UniquePath path = ArrowPath(box, geometry.Orientation(), first);
  const UniqueBrush brush = SolidBrush(Black(hot ? 160 : 100));
  GpPen* pen = nullptr;
  if (path == nullptr || gdip::GdipCreatePen1(Black(hot ? 140 : 60).Value(), 1, Gdiplus::UnitPixel, &pen) != Gdiplus::Ok)
    return;
  const UniquePen outline(pen);
  gdip::GdipFillPath(g, brush.get(), path.get());
  gdip::GdipDrawPath(g, outline.get(), path.get());
}

}  // namespace

void PaintScrollBar(GpGraphics* graphics, const ScrollGeometry& geometry, const Rect& thumb, bool full,
                    ScrollPart hot) {
  if (graphics == nullptr) return;
  const bool hasThumb = thumb.width > 0 && thumb.height > 0;
  if (full) {
    PaintArrow(graphics, geometry, true, hasThumb && hot == ScrollPart::FirstArrow);
    PaintArrow(graphics, geometry, false, hasThumb && hot == ScrollPart::SecondArrow);
    if (geometry.Track().width > 0 && geometry.Track().height > 0)
      FillAndOutline(graphics, geometry.Track(), kTrackArc, 40, 30);
  }
  if (hasThumb) FillAndOutline(graphics, thumb, kTrackArc, full ? 110 : 40, full ? 80 : 30);
}

}  // namespace getlink
