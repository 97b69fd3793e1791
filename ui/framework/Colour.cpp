#include "ui/framework/Colour.h"

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
  const double luma = 0.299 * RedOf(colour) + 0.587 * GreenOf(colour) + 0.114 * BlueOf(colour);
  return luma < 192.0;
}

}  // namespace getlink
