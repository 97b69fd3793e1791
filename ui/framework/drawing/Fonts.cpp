#include "ui/framework/drawing/Fonts.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "runtime/Codec.h"
#include "ui/framework/drawing/GdiHandles.h"
#include "ui/framework/drawing/SystemEntryPoints.h"
#include "ui/framework/drawing/UiStyle.h"

namespace getlink {
namespace {

// Families made for Chinese user interfaces, by the names Windows and Linux give them: the
// first tried when a family will not do.
constexpr std::string_view kChineseUiFamilies[] = {
    "微软雅黑", "Microsoft YaHei", "宋体", "SimSun", "黑体", "SimHei",
    "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
};

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

// The families the system lists for the GB2312 character set: they have Chinese glyphs,
// though not always Latin ones.
std::vector<Text> ChineseFamilies() {
  std::vector<Text> names;
  const WindowDc screen(nullptr);
  LOGFONTW wanted = {};
  wanted.lfCharSet = GB2312_CHARSET;
  EnumFontFamiliesExW(screen.get(), &wanted, CollectFamily, reinterpret_cast<LPARAM>(&names), 0);
  return names;
}

// What every family the framework draws with must have glyphs for: the printable ASCII of
// links, numbers and Latin words, and Chinese of the window's own text.
const std::wstring& SampleText() {
  static const std::wstring sample = [] {
    std::wstring text = ToWide("网盘外链获取器文件名大小分享时间下载次数地址");
    for (wchar_t c = L'!'; c <= L'~'; ++c) text += c;
    return text;
  }();
  return sample;
}

// Asks the family's font itself, as GDI finds it by name: a family the system lists for
// Chinese may have no Latin glyphs at all, and its Latin text then shows as boxes.
bool DrawsChineseAndLatin(GpFontFamily* family) {
  LOGFONTW wanted = {};
  if (gdip::GdipGetFamilyName(family, wanted.lfFaceName, LANG_NEUTRAL) != Gdiplus::Ok) return false;
  wanted.lfHeight = -static_cast<LONG>(DefaultStyle().fontSize);
  wanted.lfWeight = FW_NORMAL;
  wanted.lfCharSet = DEFAULT_CHARSET;
  const GdiFont font(CreateFontIndirectW(&wanted));
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (font == nullptr || dc == nullptr) return false;
  const ObjectSelection selected(dc.get(), font.get());
  const std::wstring& sample = SampleText();
  std::vector<WORD> glyphs(sample.size());
  if (GetGlyphIndicesW(dc.get(), sample.c_str(), static_cast<int>(sample.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
    return false;
  return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

// Whether the family `name` exists and draws both Chinese and Latin text. Asked once a
// name (fonts do not change while the program runs), then remembered.
bool IsUsable(std::string_view name) {
  static std::mutex guard;
  static std::map<Text, bool, std::less<>> verdicts;
  const std::lock_guard<std::mutex> lock(guard);
  const auto known = verdicts.find(name);
  if (known != verdicts.end()) return known->second;
  const UniqueFontFamily family = FamilyNamed(name);
  const bool usable = family != nullptr && DrawsChineseAndLatin(family.get());
  verdicts.emplace(Text(name), usable);
  return usable;
}

UniqueFont UsableFont(std::string_view name, float size, FontStyle style) {
  return IsUsable(name) ? FontOf(FamilyNamed(name).get(), size, style) : nullptr;
}

// The families tried, in this order, after one that will not do: those made for Chinese
// user interfaces, the families listed for GB2312, the face of the system's message font.
// Listed once.
const std::vector<Text>& FallbackFamilies() {
  static const std::vector<Text> families = [] {
    std::vector<Text> names(std::begin(kChineseUiFamilies), std::end(kChineseUiFamilies));
    for (Text& name : ChineseFamilies()) names.push_back(std::move(name));
    names.push_back(MessageFontFace());
    return names;
  }();
  return families;
}

// The font of the first family, `name` and then the fallbacks, that is usable and can be
// made in `style`; GDI+'s generic sans-serif when none is.
UniqueFont FirstFontIn(std::string_view name, float size, FontStyle style) {
  if (UniqueFont font = UsableFont(name, size, style)) return font;
  for (const Text& fallback : FallbackFamilies())
    if (UniqueFont font = UsableFont(fallback, size, style)) return font;
  return FontOf(GenericSansSerif().get(), size, style);
}

// The styles tried for `style`, nearest first: itself, then with bold changed, with italic
// changed, with both. Underline and strikeout stay.
std::array<FontStyle, 4> NearestStyles(FontStyle style) {
  const auto changed = [style](FontStyle change) {
    return static_cast<FontStyle>(static_cast<int>(style) ^ static_cast<int>(change));
  };
  return {style, changed(FontStyle::Bold), changed(FontStyle::Italic), changed(FontStyle::BoldItalic)};
}

}  // namespace

UniqueFont MakeFont(std::string_view familyName, float size, FontStyle style) {
  // A family may lack a style (Windows GDI+ makes no bold of a family without a bold face):
  // every family is asked for the style before any family is asked for another.
  for (FontStyle nearest : NearestStyles(style))
    if (UniqueFont font = FirstFontIn(familyName, size, nearest)) return font;
  return nullptr;
}

UniqueFont MakeDefaultFont() { return MakeFont("宋体", DefaultStyle().fontSize, FontStyle::Regular); }

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
