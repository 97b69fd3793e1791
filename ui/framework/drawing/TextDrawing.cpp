#include "ui/framework/drawing/TextDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "runtime/Codec.h"
#include "ui/framework/drawing/GdiplusHandles.h"
#include "ui/framework/drawing/Shapes.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {
namespace {

// GDI+ measures at most 32 character ranges in one call.
constexpr int kRangesPerCall = 32;
// A shadow's halo is the text itself, unblurred.
constexpr float kShadowShrink = 1.0f;

// The text as GDI+ lays it out. Windows' GDI+ takes "\r\n" as one line break; Wine's
// breaks at the "\n" and draws the "\r" as a missing-glyph box, so it is left out.
std::wstring LayoutText(std::string_view text) {
  std::wstring wide = ToWide(text);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < wide.size(); ++i)
    if (!(wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n')) wide[kept++] = wide[i];
  wide.resize(kept);
  return wide;
}

Gdiplus::RectF ToGdiplus(const Rect& r) { return Gdiplus::RectF(r.left, r.top, r.width, r.height); }
Rect FromGdiplus(const Gdiplus::RectF& r) { return Rect{r.X, r.Y, r.Width, r.Height}; }

UniqueBitmap MakeBitmap(int width, int height) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
    return nullptr;
  return UniqueBitmap(bitmap);
}

UniqueGraphics GraphicsOn(GpBitmap* bitmap) {
  GpGraphics* graphics = nullptr;
  if (bitmap == nullptr || gdip::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok) return nullptr;
  return UniqueGraphics(graphics);
}

void DrawWide(GpGraphics* graphics, const std::wstring& text, GpFont* font, const Gdiplus::RectF& layout,
              GpStringFormat* format, Argb colour) {
  const UniqueBrush brush = SolidBrush(colour);
  gdip::GdipDrawString(graphics, text.c_str(), static_cast<INT>(text.size()), font, &layout, format, brush.get());
}

// The text in the effect colour, shrunk by `shrink` and stretched back over `rect`: a
// shrink of 3 blurs it into a glow.
void DrawHalo(GpGraphics* graphics, const Rect& rect, const std::wstring& text, GpFont* font, GpStringFormat* format,
              Argb colour, float shrink) {
  const int width = static_cast<int>(rect.width), height = static_cast<int>(rect.height);
  const UniqueBitmap full = MakeBitmap(width, height);
  const UniqueGraphics fullGraphics = GraphicsOn(full.get());
  if (fullGraphics == nullptr) return;
  gdip::GdipSetSmoothingMode(fullGraphics.get(), Gdiplus::SmoothingModeAntiAlias);
  gdip::GdipSetTextRenderingHint(fullGraphics.get(), Gdiplus::TextRenderingHintAntiAliasGridFit);
  DrawWide(fullGraphics.get(), text, font, Gdiplus::RectF(0, 0, rect.width, rect.height), format, colour);

  const int smallWidth = std::max(1, static_cast<int>(width / shrink));
  const int smallHeight = std::max(1, static_cast<int>(height / shrink));
  const UniqueBitmap small = MakeBitmap(smallWidth, smallHeight);
  const UniqueGraphics smallGraphics = GraphicsOn(small.get());
  if (smallGraphics == nullptr) return;
  gdip::GdipSetCompositingQuality(smallGraphics.get(), Gdiplus::CompositingQualityGammaCorrected);
  gdip::GdipSetInterpolationMode(smallGraphics.get(), Gdiplus::InterpolationModeHighQualityBilinear);
  gdip::GdipDrawImageRectI(smallGraphics.get(), full.get(), 0, 0, smallWidth, smallHeight);
  gdip::GdipDrawImageRect(graphics, small.get(), rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

Rect MeasureText(GpGraphics* graphics, std::string_view text, GpFont* font, const Rect& layout,
                 GpStringFormat* format) {
  const std::wstring wide = LayoutText(text);
  const Gdiplus::RectF area = ToGdiplus(layout);
  Gdiplus::RectF bounds;
  if (graphics == nullptr || font == nullptr ||
      gdip::GdipMeasureString(graphics, wide.c_str(), static_cast<INT>(wide.size()), font, &area, format, &bounds,
                              nullptr, nullptr) != Gdiplus::Ok)
    return Rect{layout.left, layout.top, 0, 0};
  return FromGdiplus(bounds);
}

std::vector<Rect> MeasureCharacters(GpGraphics* graphics, std::string_view text, GpFont* font,
                                    GpStringFormat* format, const Rect& layout, int first, int count) {
  std::vector<Rect> boxes;
  const std::wstring wide = ToWide(text);
  const int length = static_cast<int>(wide.size());
  first = std::max(first, 0);
  const int end = std::min(length, first + std::max(count, 0));
  if (graphics == nullptr || font == nullptr || first >= end) return boxes;

  // The ranges are set on a copy: the caller's format stays as it was.
  const TextFormat measuring = TextFormat::CopyOf(format);
  if (!measuring) return boxes;
  const Gdiplus::RectF area = ToGdiplus(layout);
  for (int start = first; start < end; start += kRangesPerCall) {
    const int n = std::min(kRangesPerCall, end - start);
    std::vector<Gdiplus::CharacterRange> ranges;
    std::vector<UniqueRegion> regions;
    std::vector<GpRegion*> regionPointers;
    for (int i = 0; i < n; ++i) {
      ranges.emplace_back(start + i, 1);
      GpRegion* region = nullptr;
      if (gdip::GdipCreateRegion(&region) != Gdiplus::Ok) return boxes;
      regions.emplace_back(region);
      regionPointers.push_back(region);
    }
    if (gdip::GdipSetStringFormatMeasurableCharacterRanges(measuring.Handle(), n, ranges.data()) != Gdiplus::Ok ||
        gdip::GdipMeasureCharacterRanges(graphics, wide.c_str(), length, font, area, measuring.Handle(), n,
                                         regionPointers.data()) != Gdiplus::Ok)
      return boxes;
    for (GpRegion* region : regionPointers) {
      Gdiplus::RectF bounds;
      gdip::GdipGetRegionBounds(region, graphics, &bounds);
      boxes.push_back(FromGdiplus(bounds));
    }
  }
  return boxes;
}

Argb AutomaticEffectColour(Argb colour) {
  return IsDark(colour) ? MakeArgb(85, 255, 255, 255) : MakeArgb(75, 0, 0, 0);
}

void DrawText(GpGraphics* graphics, const Rect& rect, std::string_view text, GpFont* font, Argb colour,
              GpStringFormat* format, TextEffect effect, std::optional<Argb> effectColour, float glowSpread) {
  if (graphics == nullptr || font == nullptr || text.empty()) return;
  const Rect whole{std::round(rect.left), std::round(rect.top), std::round(rect.width), std::round(rect.height)};
  const std::wstring wide = LayoutText(text);
  if ((effect == TextEffect::Glow || effect == TextEffect::Shadow) && whole.width >= 1 && whole.height >= 1) {
    const Argb halo = effectColour ? *effectColour : AutomaticEffectColour(colour);
    DrawHalo(graphics, whole, wide, font, format, halo, effect == TextEffect::Glow ? glowSpread : kShadowShrink);
  }
  DrawWide(graphics, wide, font, ToGdiplus(whole), format, colour);
}

}  // namespace getlink
