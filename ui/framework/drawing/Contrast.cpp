#include "ui/framework/drawing/Contrast.h"

#include <algorithm>
#include <cstdint>

namespace getlink {
namespace {

constexpr int kMiddleGrey = 128;

}  // namespace

std::optional<int> AverageLuma(const Surface& surface, const Rect& area) {
  const std::uint32_t* pixels = surface.Pixels();
  if (pixels == nullptr) return std::nullopt;
  const PixelBox box = CoveringPixels(area);
  const int left = std::max(box.left, 0), right = std::min(box.right, surface.Width());
  const int top = std::max(box.top, 0), bottom = std::min(box.bottom, surface.Height());
  // The pixels are premultiplied: summing their colours weighs each by its opacity.
  std::uint64_t luma = 0, opacity = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Argb p(pixels[static_cast<std::size_t>(y) * surface.Width() + x]);
      luma += 299u * RedOf(p) + 587u * GreenOf(p) + 114u * BlueOf(p);
      opacity += static_cast<std::uint64_t>(AlphaOf(p)) * 1000u;
    }
  }
  if (opacity == 0) return std::nullopt;
  return static_cast<int>(luma * 255 / opacity);
}

Argb ContrastingColour(Argb colour, std::optional<int> backgroundLuma) {
  if (!backgroundLuma) return colour;
  const int alpha = AlphaOf(colour);
  return *backgroundLuma < kMiddleGrey ? MakeArgb(alpha, 255, 255, 255) : MakeArgb(alpha, 0, 0, 0);
}

}  // namespace getlink
