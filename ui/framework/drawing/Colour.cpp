#include "ui/framework/drawing/Colour.h"

#include <algorithm>

namespace getlink {

Argb MakeColor(ColorRef colour, std::optional<int> alpha) {
  int a = alpha ? std::clamp(*alpha, 0, 255) : kOpaqueAlpha;
  if (a == 255) a = kOpaqueAlpha;
  const int red = static_cast<int>(colour & 0xFF);
  const int green = static_cast<int>((colour >> 8) & 0xFF);
  const int blue = static_cast<int>((colour >> 16) & 0xFF);
  return MakeArgb(a, red, green, blue);
}

bool IsDark(Argb colour) {
  // In thousandths, so that a grey of exactly 192 is not dark on any floating-point unit.
  const int luma = 299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour);
  return luma < 192 * 1000;
}

}  // namespace getlink
