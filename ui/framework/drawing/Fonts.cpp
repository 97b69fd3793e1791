#include "ui/framework/drawing/Fonts.h"

#include <vector>

#include "runtime/Codec.h"
#include "ui/framework/drawing/GdiHandles.h"
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

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  if (font->lfFaceName[0] != L'@')  // "@Name" is the same family set vertically
    reinterpret_cast<std::vector<Text>*>(names)->push_back(FromWide(font->lfFaceName));
  return 1;
}

// The families the system lists for the GB2312 character set: they can show Chinese.
std::vector<Text> ChineseFamilies() {
  std::vector<Text> names;
  const WindowDc screen(nullptr);
  LOGFONTW wanted = {};
  wanted.lfCharSet = GB2312_CHARSET;
  EnumFontFamiliesExW(screen.get(), &wanted, CollectFamily, reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

// The family for every name that cannot be created, so that text is always drawn and
// Chinese does not turn into boxes: the first of "微软雅黑", "宋体", the families listed for
// GB2312 and the system's message font that exists, by name; empty for GDI+'s generic
// sans-serif. Looked for once (a look through the system's fonts) and kept.
const Text& FallbackFamilyName() {
  static const Text name = [] {
    std::vector<Text> candidates = {"微软雅黑", "宋体"};
    for (Text& family : ChineseFamilies()) candidates.push_back(std::move(family));
    candidates.push_back(MessageFontFace());
    for (const Text& candidate : candidates)
      if (FamilyNamed(candidate) != nullptr) return candidate;
    return Text();
  }();
  return name;
}

UniqueFontFamily FallbackFamily() {
  UniqueFontFamily family = FamilyNamed(FallbackFamilyName());
  return family != nullptr ? std::move(family) : GenericSansSerif();
}

}  // namespace

UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style) {
  UniqueFontFamily family = FamilyNamed(familyName);
  if (family == nullptr) family = FallbackFamily();
  return FontOf(family.get(), size, style);
}

UniqueFont MakeDefaultFont() { return MakeFont("宋体", kDefaultFontSize, FontStyle::Regular); }

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
