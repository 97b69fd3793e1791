// Fonts in a Wine prefix without the project's font substitutes (run by
// run_without_font_substitutes.sh), as under a user's own Wine or on a Windows without the
// named fonts: the families the program names do not exist, yet every text is drawn, Chinese
// and Latin alike, in a family that has glyphs for both.
#include <gtest/gtest.h>

#include <utility>
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

TEST(FontFallback, WithoutTheNamedFamiliesChineseAndLatinAreDrawnInAFamilyThatHasBoth) {
  testing::StartFramework();
  ASSERT_FALSE(FamilyExists("宋体")) << "run me in a prefix without font substitutes";
  ASSERT_FALSE(FamilyExists("微软雅黑"));
  // Listed for GB2312 before the others, with Chinese glyphs and no Latin ones.
  ASSERT_TRUE(FamilyExists("Droid Sans Fallback")) << "scripts/setup installs fonts-droid-fallback";

  ASSERT_NE(DefaultFont(), nullptr);
  EXPECT_EQ(FontFamilyName(DefaultFont()), "WenQuanYi Micro Hei");  // the first Chinese UI family there is
  const UniqueFont named = MakeFont("微软雅黑", 12, FontStyle::Bold);
  const UniqueFont latinless = MakeFont("Droid Sans Fallback", 12);  // exists, but cannot show a link
  ASSERT_NE(named, nullptr);
  ASSERT_NE(latinless, nullptr);

  // Two characters give two different shapes: glyphs, not nothing and not the same box.
  const std::pair<const char*, const char*> pairs[] = {{"文", "件"}, {"A", "B"}, {"a", "e"}, {"0", "1"}};
  for (GpFont* font : {DefaultFont(), named.get(), latinless.get()}) {
    EXPECT_EQ(FontFamilyName(font), FontFamilyName(DefaultFont()));  // one fallback, kept
    for (const auto& [first, second] : pairs) {
      const std::vector<bool> one = Ink(font, first);
      const std::vector<bool> other = Ink(font, second);
      EXPECT_GT(std::count(one.begin(), one.end(), true), 4) << first;
      EXPECT_GT(std::count(other.begin(), other.end(), true), 4) << second;
      EXPECT_TRUE(one != other) << first << " and " << second << " look alike in " << FontFamilyName(font);
    }
  }
}

}  // namespace
}  // namespace getlink
