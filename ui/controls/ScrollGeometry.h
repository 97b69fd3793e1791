// The arithmetic of a scroll bar: where its arrows and track lie, how long its thumb is
// and where it starts for a position, and which position a thumb start stands for.
#pragma once

#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

enum class ScrollOrientation : int { Horizontal = 1, Vertical = 2 };

// The parts of a bar, in the order a point is tested against them.
enum class ScrollPart : int { None = 0, FirstArrow = 1, SecondArrow = 2, Thumb = 3, Track = 4 };

struct ScrollRange {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
};

class ScrollGeometry {
 public:
  ScrollGeometry() = default;
  // The bar of `width` x `height`: the style's arrows at both ends, the track between them.
  ScrollGeometry(ScrollOrientation orientation, int width, int height, const ScrollBarStyle& style);

  ScrollOrientation Orientation() const { return orientation_; }
  const Rect& FirstArrow() const { return firstArrow_; }
  const Rect& SecondArrow() const { return secondArrow_; }
  const Rect& Track() const { return track_; }
  int TrackStart() const;
  int TrackLength() const;

  // The coordinate of a point (in the bar's own pixels) along the bar.
  int Along(int x, int y) const { return orientation_ == ScrollOrientation::Horizontal ? x : y; }

  // Track length squared over track length plus the range's extent, at least the style's
  // minimum thumb length and at most the whole track; 0 when there is nothing to scroll.
  int ThumbLength(const ScrollRange& range) const;
  // Where the thumb starts along the bar for the range's position.
  int ThumbStart(const ScrollRange& range, int thumbLength) const;
  Rect ThumbRect(const ScrollRange& range, int thumbLength) const;
  // The position whose thumb starts at `pixel`; pinned to the ends of the range.
  int PixelToPosition(int pixel, const ScrollRange& range, int thumbLength) const;

  // The part under a point (in the bar's own pixels), thumb included when it has length.
  ScrollPart HitTest(float x, float y, const ScrollRange& range, int thumbLength) const;

 private:
  ScrollOrientation orientation_ = ScrollOrientation::Horizontal;
  Rect firstArrow_, secondArrow_, track_;
  int minimumThumbLength_ = 0;
};

}  // namespace getlink
