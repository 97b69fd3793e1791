#include "ui/framework/drawing/ControlFont.h"

#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {

void ControlFont::Choose(const FontChoice& choice, const UiStyle& style) {
  defaultSize_ = style.fontSize;
  if (!choice.name && !choice.size && !choice.style) {
    own_.reset();
    return;
  }
  Remake(choice.name.value_or(getlink::FontFamilyName(DefaultFont())),
         choice.size ? *choice.size * style.scale : style.fontSize, choice.style.value_or(FontStyle::Regular));
}

void ControlFont::Rescale(float ratio, const UiStyle& style) {
  defaultSize_ = style.fontSize;
  if (own_ != nullptr) Remake(FamilyName(), Size() * ratio, Style());
}

GpFont* ControlFont::Get() const {
  if (own_ != nullptr) return own_.get();
  return defaultSize_ > 0 ? DefaultFont(defaultSize_) : DefaultFont();
}

float ControlFont::Size() const {
  Gdiplus::REAL size = DefaultStyle().fontSize;
  if (GpFont* font = Get()) gdip::GdipGetFontSize(font, &size);
  return size;
}

FontStyle ControlFont::Style() const {
  INT style = 0;
  if (GpFont* font = Get()) gdip::GdipGetFontStyle(font, &style);
  return static_cast<FontStyle>(style);
}

void ControlFont::Remake(const Text& name, float size, FontStyle style) {
  // Made before the old one goes: the name and size may have been read from it.
  UniqueFont made = MakeFont(name, size, style);
  if (made != nullptr) own_ = std::move(made);
}

}  // namespace getlink
