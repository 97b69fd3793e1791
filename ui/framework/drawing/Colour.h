// The framework's two colour forms and the conversions between them.
#pragma once

#include <cstdint>
#include <optional>

namespace getlink {

// 0xAARRGGBB, the GDI+ form every drawing function takes.
using Argb = std::uint32_t;
// 0x00BBGGRR, the Windows form the application and the skins store colours in.
using ColorRef = std::uint32_t;

// The alpha that stands for "opaque": fully opaque colours are made with 254, not 255.
constexpr int kOpaqueAlpha = 254;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr Argb MakeArgb(int alpha, int red, int green, int blue) {
  return (static_cast<Argb>(alpha & 0xFF) << 24) | (static_cast<Argb>(red & 0xFF) << 16) |
         (static_cast<Argb>(green & 0xFF) << 8) | static_cast<Argb>(blue & 0xFF);
}

constexpr int AlphaOf(Argb colour) { return static_cast<int>(colour >> 24); }
constexpr int RedOf(Argb colour) { return static_cast<int>((colour >> 16) & 0xFF); }
constexpr int GreenOf(Argb colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Argb colour) { return static_cast<int>(colour & 0xFF); }

// The COLORREF's red, green and blue with `alpha` (clamped to 0..255). Without an
// alpha, and for 255, the colour gets kOpaqueAlpha; MakeColor(c, 0) is fully transparent.
Argb MakeColor(ColorRef colour, std::optional<int> alpha = std::nullopt);

// Whether the colour's luma (0.299 R + 0.587 G + 0.114 B) is below 192, i.e. light text
// or effects go better with it.
bool IsDark(Argb colour);

}  // namespace getlink
