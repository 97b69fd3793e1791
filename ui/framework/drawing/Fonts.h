// Fonts by family name, with the framework's fallbacks.
#pragma once

#include <string_view>

#include "runtime/Text.h"
#include "ui/framework/drawing/GdiplusHandles.h"

namespace getlink {

// Gdiplus::FontStyle as named values; Underline and Strikeout combine with the others.
enum class FontStyle : int { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3, Underline = 4, Strikeout = 8 };

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
  return static_cast<FontStyle>(static_cast<int>(a) | static_cast<int>(b));
}

// A font of the family `familyName` (GBK) at `size` pixels. A family the system does not
// have gives the default font's family at the same size and style.
UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style = FontStyle::Regular);

// The framework's default font, 12 pixels, regular: "宋体", else the face of the
// system's message font, else GDI+'s generic sans-serif family.
UniqueFont MakeDefaultFont();

// The font's family name as GBK; empty for no font.
Text FontFamilyName(GpFont* font);

// Line spacing of the font in pixels.
float FontHeight(GpFont* font);

}  // namespace getlink
