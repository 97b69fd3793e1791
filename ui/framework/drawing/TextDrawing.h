// Measuring and drawing GBK text with GDI+. Text reaches GDI+ as UTF-16 converted with
// code page 936, whatever the system's ANSI code page is.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/framework/drawing/Colour.h"
#include "ui/framework/drawing/Geometry.h"
#include "ui/framework/drawing/GdiplusApi.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// Halos drawn under text. Other values draw the text alone.
enum class TextEffect : int { None = 0, Glow = 3, Shadow = 4 };

// The bounding box GDI+ gives `text` laid out in `layout` (a width or height of 0
// leaves that direction unbounded). `format` may be null.
Rect MeasureText(GpGraphics* graphics, std::string_view text, GpFont* font, const Rect& layout,
                 GpStringFormat* format);

// The boxes of `count` characters from the 0-based character `first` of `text` laid out
// in `layout`; characters are UTF-16 units of the converted text, so a Chinese character
// counts one. The range is cut at the end of the text. `format` is left unchanged. Meant
// for one line at a time (a caret, a hit test): line breaks are measured as characters.
std::vector<Rect> MeasureCharacters(GpGraphics* graphics, std::string_view text, GpFont* font,
                                    GpStringFormat* format, const Rect& layout, int first, int count);

// The halo colour chosen for text of `colour` when none is given: translucent white
// behind dark text, translucent black behind light text.
Argb AutomaticEffectColour(Argb colour);

// Draws `text` in `colour` into `rect` (rounded to whole pixels). With a glow or shadow a
// halo in `effectColour` is drawn first: the text blurred by `glowSpread` pixels (glow;
// the style's, at the window's scale) or as it is (shadow). No effect colour means
// AutomaticEffectColour(colour).
void DrawText(GpGraphics* graphics, const Rect& rect, std::string_view text, GpFont* font, Argb colour,
              GpStringFormat* format, TextEffect effect = TextEffect::None,
              std::optional<Argb> effectColour = std::nullopt, float glowSpread = DefaultStyle().textGlowSpread);

}  // namespace getlink
