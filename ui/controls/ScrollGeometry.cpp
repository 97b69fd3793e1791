#include "ui/controls/ScrollGeometry.h"

#include <algorithm>

namespace getlink {
namespace {

bool Inside(const Rect& r, float x, float y) { return x >= r.left && y >= r.top && x < r.Right() && y < r.Bottom(); }

}  // namespace

ScrollGeometry::ScrollGeometry(ScrollOrientation orientation, int width, int height, const ScrollBarStyle& style)
    : orientation_(orientation), minimumThumbLength_(style.minimumThumbLength) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float arrow = style.arrowLength, across = style.thickness, gap = style.trackGap;
  const float trackStart = arrow + gap, trackAcross = across - 2 * gap;
  if (orientation == ScrollOrientation::Horizontal) {
    firstArrow_ = RectOf(0, 0, arrow, across);
    secondArrow_ = RectOf(w - arrow, 0, arrow, across);
    track_ = RectOf(trackStart, gap, w - 2 * trackStart, trackAcross);
  } else {
    firstArrow_ = RectOf(0, 0, across, arrow);
    secondArrow_ = RectOf(0, h - arrow, across, arrow);
    track_ = RectOf(gap, trackStart, trackAcross, h - 2 * trackStart);
  }
}

int ScrollGeometry::TrackStart() const {
  return static_cast<int>(orientation_ == ScrollOrientation::Horizontal ? track_.left : track_.top);
}

int ScrollGeometry::TrackLength() const {
  return std::max(0, static_cast<int>(orientation_ == ScrollOrientation::Horizontal ? track_.width : track_.height));
}

int ScrollGeometry::ThumbLength(const ScrollRange& range) const {
  const long long track = TrackLength();
  const long long extent = static_cast<long long>(range.maximum) - range.minimum;
  if (extent <= 0 || track <= 0) return 0;
  const long long length = track * track / (track + extent);
  return static_cast<int>(std::min(track, std::max<long long>(length, minimumThumbLength_)));
}

int ScrollGeometry::ThumbStart(const ScrollRange& range, int thumbLength) const {
  const long long extent = static_cast<long long>(range.maximum) - range.minimum;
  if (extent <= 0) return TrackStart();
  const long long travel = TrackLength() - thumbLength;
  return TrackStart() + static_cast<int>((static_cast<long long>(range.position) - range.minimum) * travel / extent);
}

Rect ScrollGeometry::ThumbRect(const ScrollRange& range, int thumbLength) const {
  const float start = static_cast<float>(ThumbStart(range, thumbLength)), length = static_cast<float>(thumbLength);
  return orientation_ == ScrollOrientation::Horizontal ? RectOf(start, track_.top, length, track_.height)
                                                       : RectOf(track_.left, start, track_.width, length);
}

int ScrollGeometry::PixelToPosition(int pixel, const ScrollRange& range, int thumbLength) const {
  const int travel = TrackLength() - thumbLength;
  if (pixel <= TrackStart()) return range.minimum;
  if (pixel >= TrackStart() + travel) return range.maximum;  // also when the thumb fills the track
  const long long extent = static_cast<long long>(range.maximum) - range.minimum;
  return range.minimum + static_cast<int>((pixel - TrackStart()) * extent / travel);
}

ScrollPart ScrollGeometry::HitTest(float x, float y, const ScrollRange& range, int thumbLength) const {
  if (Inside(firstArrow_, x, y)) return ScrollPart::FirstArrow;
  if (Inside(secondArrow_, x, y)) return ScrollPart::SecondArrow;
  if (thumbLength > 0 && Inside(ThumbRect(range, thumbLength), x, y)) return ScrollPart::Thumb;
  if (Inside(track_, x, y)) return ScrollPart::Track;
  return ScrollPart::None;
}

}  // namespace getlink
