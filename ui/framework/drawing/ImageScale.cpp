#include "ui/framework/drawing/ImageScale.h"

#include <cmath>
#include <initializer_list>

namespace getlink {

ImageScale NearestImageScale(float windowScale) {
  ImageScale nearest = ImageScale::Double;
  for (const ImageScale scale : {ImageScale::OneAndAHalf, ImageScale::Normal})
    if (std::fabs(ImageFactor(scale) - windowScale) < std::fabs(ImageFactor(nearest) - windowScale)) nearest = scale;
  return nearest;
}

float ScaledLength(float length, float factor) { return std::round(length * factor); }

Rect ScaledCell(const Rect& cell, float factor) {
  return {ScaledLength(cell.left, factor), ScaledLength(cell.top, factor), ScaledLength(cell.width, factor),
          ScaledLength(cell.height, factor)};
}

Margins ScaledMargins(const Margins& margins, float factor) {
  return {ScaledLength(margins.left, factor), ScaledLength(margins.top, factor), ScaledLength(margins.right, factor),
          ScaledLength(margins.bottom, factor)};
}

}  // namespace getlink
