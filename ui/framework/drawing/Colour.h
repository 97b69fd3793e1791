// The framework's two colour forms and the conversions between them. They are distinct
// types: a COLORREF never passes for an ARGB colour, or the other way round, without one
// of the conversions below.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iosfwd>
#include <optional>

namespace getlink {

// A colour packed into 32 bits in the layout `Form` names; each form is a type of its own.
template <class Form>
class PackedColour {
 public:
  constexpr PackedColour() = default;
  constexpr explicit PackedColour(std::uint32_t value) : value_(value) {}
  // The packed value, for GDI+ or Win32.
  constexpr std::uint32_t Value() const { return value_; }

  friend constexpr bool operator==(PackedColour a, PackedColour b) { return a.value_ == b.value_; }
  friend constexpr bool operator!=(PackedColour a, PackedColour b) { return a.value_ != b.value_; }

 private:
  std::uint32_t value_ = 0;
};

// 0xAARRGGBB, the GDI+ form every drawing function takes.
using Argb = PackedColour<struct ArgbForm>;
// 0x00BBGGRR, the Windows form the application and the skins store colours in.
using ColorRef = PackedColour<struct ColorRefForm>;

// Hexadecimal, for test messages.
std::ostream& operator<<(std::ostream& out, Argb colour);
std::ostream& operator<<(std::ostream& out, ColorRef colour);

// The alpha that stands for "opaque": fully opaque colours are made with 254, not 255.
constexpr int kOpaqueAlpha = 254;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return ColorRef(static_cast<std::uint32_t>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16)));
}

constexpr Argb MakeArgb(int alpha, int red, int green, int blue) {
  return Argb((static_cast<std::uint32_t>(alpha & 0xFF) << 24) | (static_cast<std::uint32_t>(red & 0xFF) << 16) |
              (static_cast<std::uint32_t>(green & 0xFF) << 8) | static_cast<std::uint32_t>(blue & 0xFF));
}

constexpr int AlphaOf(Argb colour) { return static_cast<int>(colour.Value() >> 24); }
constexpr int RedOf(Argb colour) { return static_cast<int>((colour.Value() >> 16) & 0xFF); }
constexpr int GreenOf(Argb colour) { return static_cast<int>((colour.Value() >> 8) & 0xFF); }
constexpr int BlueOf(Argb colour) { return static_cast<int>(colour.Value() & 0xFF); }

// Bits above the blue byte of a COLORREF are not colour.
constexpr int RedOf(ColorRef colour) { return static_cast<int>(colour.Value() & 0xFF); }
constexpr int GreenOf(ColorRef colour) { return static_cast<int>((colour.Value() >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef colour) { return static_cast<int>((colour.Value() >> 16) & 0xFF); }

// The COLORREF's red, green and blue with `alpha` (clamped to 0..255). Without an
// alpha, and for 255, the colour gets kOpaqueAlpha; MakeColor(c, 0) is fully transparent.
constexpr Argb MakeColor(ColorRef colour, std::optional<int> alpha = std::nullopt) {
  int a = alpha ? std::clamp(*alpha, 0, 255) : kOpaqueAlpha;
  if (a == 255) a = kOpaqueAlpha;
  return MakeArgb(a, RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// The ARGB colour's red, green and blue as a COLORREF; its alpha is dropped. So
// ToColorRef(MakeColor(c, a)) is c (without bits above blue), and MakeColor(ToColorRef(x),
// AlphaOf(x)) is x but for an alpha of 255, which becomes kOpaqueAlpha.
constexpr ColorRef ToColorRef(Argb colour) { return MakeColorRef(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// Whether the colour's luma (0.299 R + 0.587 G + 0.114 B) is below 192, i.e. light text
// or effects go better with it.
bool IsDark(Argb colour);

}  // namespace getlink
