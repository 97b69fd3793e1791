// Fonts in a Wine prefix without the project's font substitutes (run by
// run_without_font_substitutes.sh), as under a user's own Wine or on a Windows without the
// named fonts: the families the program names do not exist, yet every text is drawn, and
// Chinese in a family that has its glyphs.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/Codec.h"
#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/TextDrawing.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {
namespace {

bool FamilyExists(std::string_view name) {
  GpFontFamily* family = nullptr;
  if (gdip::GdipCreateFontFamilyFromName(ToWide(name).c_str(), nullptr, &family) != Gdiplus::Ok) return false;
  gdip::GdipDeleteFontFamily(family);
  return true;
}

// The character drawn black on white, as the pixels that are ink.
std::vector<bool> Ink(GpFont* font, std::string_view character) {
  Surface surface(24, 24);
  surface.Clear(MakeArgb(255, 255, 255, 255));
  TextFormat format;
  DrawText(surface.Graphics(), {0, 0, 24, 24}, character, font, MakeArgb(255, 0, 0, 0), format.Handle());
  std::vector<bool> ink;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ink.push_back(RedOf(surface.PixelAt(x, y)) < 128);
  return ink;
}

TEST(FontFallback, WithoutTheNamedFamiliesChineseIsDrawnInAFamilyThatHasIt) {
  testing::StartFramework();
  ASSERT_FALSE(FamilyExists("宋体")) << "run me in a prefix without font substitutes";
  ASSERT_FALSE(FamilyExists("微软雅黑"));

  ASSERT_NE(DefaultFont(), nullptr);
  const UniqueFont named = MakeFont("微软雅黑", 12, FontStyle::Bold);
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(FontFamilyName(named.get()), FontFamilyName(DefaultFont()));  // one fallback, kept

  // Two characters give two different shapes: glyphs, not nothing and not the same box.
  for (GpFont* font : {DefaultFont(), named.get()}) {
    const std::vector<bool> wen = Ink(font, "文");
    const std::vector<bool> jian = Ink(font, "件");
    EXPECT_GT(std::count(wen.begin(), wen.end(), true), 10);
    EXPECT_GT(std::count(jian.begin(), jian.end(), true), 10);
    EXPECT_NE(wen, jian);
  }
}

}  // namespace
}  // namespace getlink
