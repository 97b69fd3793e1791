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

// A font of the family `familyName` (GBK) at `size` pixels. A family that cannot be
// created gives, at the same size and style, the first that can of "微软雅黑", "宋体", the
// first family the system lists for the GB2312 character set, the face of the system's
// message font, and GDI+'s generic sans-serif: so text is always drawn, and Chinese text
// in a family that can show it. That fallback is chosen once and kept.
UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style = FontStyle::Regular);

// The framework's default font, 12 pixels, regular: "宋体", else the fallback above.
UniqueFont MakeDefaultFont();

// The font's family name as GBK; empty for no font.
Text FontFamilyName(GpFont* font);

// Line spacing of the font in pixels.
float FontHeight(GpFont* font);

}  // namespace getlink
