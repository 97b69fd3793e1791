#include "ui/controls/ScrollBarLook.h"

#include "ui/framework/drawing/Shapes.h"

namespace getlink {
namespace {

void FillAndOutline(GpGraphics* g, const Rect& rect, float arc, Argb fill, Argb outline) {
  const Rect shape = EdgeShape(rect, arc);
  FillRoundRect(g, shape, arc, SolidBrush(fill).get());
  OutlineRoundRect(g, shape, arc, outline);
}

// A triangle in `box` pointing away from the track: left or up for the first arrow,
// right or down for the second. Pixel centres lie on whole coordinates, so a box's
// pixels run from its left to its right less one.
UniquePath ArrowPath(const Rect& box, ScrollOrientation orientation, bool first, const ScrollBarStyle& style) {
  GpPath* raw = nullptr;
  if (gdip::GdipCreatePath(Gdiplus::FillModeAlternate, &raw) != Gdiplus::Ok) return nullptr;
  UniquePath path(raw);
  const float right = box.Right() - 1, bottom = box.Bottom() - 1;
  const float middleX = (box.left + right) / 2, middleY = (box.top + bottom) / 2;
  Gdiplus::PointF points[3];
  if (orientation == ScrollOrientation::Horizontal) {
    const float tip = first ? box.left + style.arrowMargin : right - style.arrowMargin;
    const float base = first ? right - style.arrowMargin : box.left + style.arrowMargin;
    points[0] = {tip, middleY};
    points[1] = {base, middleY - style.arrowHalfBase};
    points[2] = {base, middleY + style.arrowHalfBase};
  } else {
    const float tip = first ? box.top + style.arrowMargin : bottom - style.arrowMargin;
    const float base = first ? bottom - style.arrowMargin : box.top + style.arrowMargin;
    points[0] = {middleX, tip};
    points[1] = {middleX - style.arrowHalfBase, base};
    points[2] = {middleX + style.arrowHalfBase, base};
  }
  gdip::GdipAddPathPolygon(raw, points, 3);
  return path;
}

void PaintArrow(GpGraphics* g, const ScrollGeometry& geometry, bool first, bool hot, const ScrollBarStyle& style) {
  const Rect& box = first ? geometry.FirstArrow() : geometry.SecondArrow();
  if (hot) OutlineRoundRect(g, EdgeShape(box, style.arrowFrameArc), style.arrowFrameArc, style.hotArrowFrame);
  const UniquePath path = ArrowPath(box, geometry.Orientation(), first, style);
  const UniqueBrush brush = SolidBrush(hot ? style.hotArrowFill : style.arrowFill);
  const Argb ink = hot ? style.hotArrowOutline : style.arrowOutline;
  GpPen* pen = nullptr;
  if (path == nullptr || gdip::GdipCreatePen1(ink.Value(), 1, Gdiplus::UnitPixel, &pen) != Gdiplus::Ok) return;
  const UniquePen outline(pen);
  gdip::GdipFillPath(g, brush.get(), path.get());
  gdip::GdipDrawPath(g, outline.get(), path.get());
}

}  // namespace

void PaintScrollBar(GpGraphics* graphics, const ScrollGeometry& geometry, const Rect& thumb, bool full,
                    ScrollPart hot, const ScrollBarStyle& style) {
  if (graphics == nullptr) return;
  const bool hasThumb = thumb.width > 0 && thumb.height > 0;
  if (full) {
    PaintArrow(graphics, geometry, true, hasThumb && hot == ScrollPart::FirstArrow, style);
    PaintArrow(graphics, geometry, false, hasThumb && hot == ScrollPart::SecondArrow, style);
    if (geometry.Track().width > 0 && geometry.Track().height > 0)
      FillAndOutline(graphics, geometry.Track(), style.trackArc, style.trackFill, style.trackOutline);
  }
  if (hasThumb)
    FillAndOutline(graphics, thumb, style.trackArc, full ? style.thumbFill : style.idleThumbFill,
                   full ? style.thumbOutline : style.idleThumbOutline);
}

}  // namespace getlink
