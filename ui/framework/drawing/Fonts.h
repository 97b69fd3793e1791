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

// A font of the family `familyName` (GBK) at `size` pixels. The family is taken when it
// exists and has glyphs for both Chinese and Latin text (asked of the font once a name:
// text here is GBK, and a link or a number in a family without Latin glyphs shows as
// boxes). Otherwise, at the same size and style, the first such family of "微软雅黑",
// "Microsoft YaHei", "宋体", "SimSun", "黑体", "SimHei", "WenQuanYi Micro Hei", "Noto Sans
// CJK SC", "Source Han Sans SC", the families the system lists for GB2312 and the face of
// the system's message font; GDI+'s generic sans-serif last. A style that a family cannot
// be made in is looked for in the families after it, and only when none has it is the
// nearest other style taken (bold changed, then italic, then both). Null only when no
// family at all can be made.
UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style = FontStyle::Regular);

// The framework's default font, of the default style's font size, regular: "宋体", else the
// fallbacks above.
UniqueFont MakeDefaultFont();

// The font's family name as GBK; empty for no font.
Text FontFamilyName(GpFont* font);

// Line spacing of the font in pixels.
float FontHeight(GpFont* font);

}  // namespace getlink
