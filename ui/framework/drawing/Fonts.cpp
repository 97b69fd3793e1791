#include "ui/framework/drawing/Fonts.h"

#include "runtime/Codec.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/SystemEntryPoints.h"

namespace getlink {
namespace {

constexpr float kDefaultFontSize = 12.0f;

UniqueFontFamily FamilyNamed(std::string_view name) {
  GpFontFamily* family = nullptr;
  const std::wstring wide = ToWide(name);
  if (wide.empty() || gdip::GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family) != Gdiplus::Ok) return nullptr;
  return UniqueFontFamily(family);
}

UniqueFontFamily FamilyOf(GpFont* font) {
  GpFontFamily* family = nullptr;
  if (font == nullptr || bound::GdipGetFamily(font, &family) != Gdiplus::Ok) return nullptr;
  return UniqueFontFamily(family);
}

UniqueFontFamily GenericSansSerif() {
  // The generic family belongs to GDI+; what we own and delete is a clone of it.
  GpFontFamily* generic = nullptr;
  GpFontFamily* clone = nullptr;
  if (gdip::GdipGetGenericFontFamilySansSerif(&generic) != Gdiplus::Ok ||
      gdip::GdipCloneFontFamily(generic, &clone) != Gdiplus::Ok)
    return nullptr;
  return UniqueFontFamily(clone);
}

UniqueFont FontOf(GpFontFamily* family, float size, FontStyle style) {
  GpFont* font = nullptr;
  if (family == nullptr ||
      gdip::GdipCreateFont(family, size, static_cast<INT>(style), Gdiplus::UnitPixel, &font) != Gdiplus::Ok)
    return nullptr;
  return UniqueFont(font);
}

Text MessageFontFace() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return Text();
  return FromWide(metrics.lfMessageFont.lfFaceName);
}

}  // namespace

UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style) {
  UniqueFontFamily family = FamilyNamed(familyName);
  if (family == nullptr) family = FamilyOf(DefaultFont());
  if (family == nullptr) family = GenericSansSerif();
  return FontOf(family.get(), size, style);
}

UniqueFont MakeDefaultFont() {
  UniqueFontFamily family = FamilyNamed("宋体");
  if (family == nullptr) family = FamilyNamed(MessageFontFace());
  if (family == nullptr) family = GenericSansSerif();
  return FontOf(family.get(), kDefaultFontSize, FontStyle::Regular);
}

Text FontFamilyName(GpFont* font) {
  const UniqueFontFamily family = FamilyOf(font);
  WCHAR name[LF_FACESIZE] = {};
  if (family == nullptr || gdip::GdipGetFamilyName(family.get(), name, LANG_NEUTRAL) != Gdiplus::Ok) return Text();
  return FromWide(name);
}

float FontHeight(GpFont* font) {
  Gdiplus::REAL height = 0;
  if (font != nullptr) gdip::GdipGetFontHeight(font, nullptr, &height);
  return height;
}

}  // namespace getlink
