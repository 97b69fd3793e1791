// The one conversion between the units an application lays out in (pixels at 96 DPI) and
// a window's physical pixels at its DPI. At 96 DPI both are the same and nothing changes.
#pragma once

#include <cmath>

#include "ui/framework/drawing/Geometry.h"

namespace getlink {

class DisplayScale {
 public:
  static constexpr int kBaseDpi = 96;

  constexpr DisplayScale() = default;
  constexpr explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr float Factor() const { return static_cast<float>(dpi_) / kBaseDpi; }
  constexpr bool IsBase() const { return dpi_ == kBaseDpi; }

  // Whole pixels: a length, and a rectangle whose edges land on whole pixels, so that a
  // control's surface matches its place on the canvas. Unchanged at 96 DPI.
  int ToPixels(int units) const { return static_cast<int>(std::lround(units * Factor())); }
  float ToPixels(float units) const { return IsBase() ? units : std::round(units * Factor()); }
  Rect ToPixels(const Rect& units) const {
    if (IsBase()) return units;
    const float left = std::round(units.left * Factor()), top = std::round(units.top * Factor());
    return {left, top, std::round(units.Right() * Factor()) - left, std::round(units.Bottom() * Factor()) - top};
  }
  // Back to units, for geometry an application reads.
  float ToUnits(float pixels) const { return IsBase() ? pixels : pixels / Factor(); }
  Rect ToUnits(const Rect& pixels) const {
    return {ToUnits(pixels.left), ToUnits(pixels.top), ToUnits(pixels.width), ToUnits(pixels.height)};
  }

 private:
  int dpi_ = kBaseDpi;
};

}  // namespace getlink
