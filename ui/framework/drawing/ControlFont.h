// The font of a control that draws text: the framework's shared default font, or a font
// of the control's own, made from a family name, size and style. Only an own font is
// deleted; changing one of name, size or style keeps the other two.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/Text.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

// What a control is created with; none of the three given means the default font.
struct FontChoice {
  std::optional<Text> name;        // absent: the default font's family
  std::optional<float> size;       // absent: the style's font size
  std::optional<FontStyle> style;  // absent: regular
};

class ControlFont {
 public:
  ControlFont() = default;
  ControlFont(const FontChoice& choice, const UiStyle& style) { Choose(choice, style); }

  // The default font at the style's font size when nothing is given, else an own font
  // from what is given: a given size is in 96-DPI pixels and grows with the style's scale.
  void Choose(const FontChoice& choice, const UiStyle& style);
  // Takes a ready font (null goes back to the default font).
  void Adopt(UniqueFont font) { own_ = std::move(font); }
  // After the window's DPI changed by `ratio`: the default font at the new style's size,
  // an own font remade at its size times `ratio`.
  void Rescale(float ratio, const UiStyle& style);
  // Back to the shared default font; an own font is deleted.
  void Release() { own_.reset(); }

  GpFont* Get() const;
  bool IsOwn() const { return own_ != nullptr; }
  Text FamilyName() const { return getlink::FontFamilyName(Get()); }
  float Size() const;
  FontStyle Style() const;
  // Line spacing in pixels.
  float Height() const { return FontHeight(Get()); }

  void SetFamilyName(std::string_view name) { Remake(Text(name), Size(), Style()); }
  void SetSize(float size) { Remake(FamilyName(), size, Style()); }
  void SetStyle(FontStyle style) { Remake(FamilyName(), Size(), style); }

 private:
  void Remake(const Text& name, float size, FontStyle style);

  UniqueFont own_;
  float defaultSize_ = 0;  // of the default font this stands for; 0: the standard one
};

}  // namespace getlink
