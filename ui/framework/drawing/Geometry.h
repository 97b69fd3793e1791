// Rectangles and margins in pixels, as floats in a window's client coordinates.
#pragma once

#include <cmath>

namespace getlink {

struct Rect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;

  float Right() const { return left + width; }
  float Bottom() const { return top + height; }
};

// A rectangle from values of any numeric type.
inline Rect RectOf(float left, float top, float width, float height) { return {left, top, width, height}; }

// Whether the two rectangles overlap.
inline bool Intersects(const Rect& a, const Rect& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// The smallest rectangle holding both; an empty one (no width or height) adds nothing.
inline Rect Union(const Rect& a, const Rect& b) {
  if (a.width <= 0 || a.height <= 0) return b;
  if (b.width <= 0 || b.height <= 0) return a;
  const float left = std::fmin(a.left, b.left), top = std::fmin(a.top, b.top);
  return {left, top, std::fmax(a.Right(), b.Right()) - left, std::fmax(a.Bottom(), b.Bottom()) - top};
}

// The whole pixels that cover a rectangle, as left, top, right, bottom.
struct PixelBox {
  int left, top, right, bottom;
};
inline PixelBox CoveringPixels(const Rect& rect) {
  return {static_cast<int>(std::floor(rect.left)), static_cast<int>(std::floor(rect.top)),
          static_cast<int>(std::ceil(rect.Right())), static_cast<int>(std::ceil(rect.Bottom()))};
}

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// Adds to the four fields of `rect`.
inline void InflateRect(float dLeft, float dTop, float dWidth, float dHeight, Rect& rect) {
  rect.left += dLeft;
  rect.top += dTop;
  rect.width += dWidth;
  rect.height += dHeight;
}

// Widths of the four borders of a nine-part image grid.
struct Margins {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  bool IsEmpty() const { return left <= 0 && top <= 0 && right <= 0 && bottom <= 0; }
};

}  // namespace getlink
