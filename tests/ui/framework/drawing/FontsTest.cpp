#include "ui/framework/drawing/Fonts.h"

#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/FrameworkStartup.h"

namespace getlink {
namespace {

float SizeOf(GpFont* font) {
  Gdiplus::REAL size = 0;
  gdip::GdipGetFontSize(font, &size);
  return size;
}

int StyleOf(GpFont* font) {
  INT style = -1;
  gdip::GdipGetFontStyle(font, &style);
  return style;
}

class FontsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFramework(); }
};

TEST_F(FontsTest, AnUnknownFamilyGivesTheFallbackAtTheAskedSizeAndStyle) {
  // The project's prefix has "微软雅黑", the first fallback (FontFallbackTest runs without it).
  const Text fallback = FontFamilyName(MakeFont("微软雅黑", 12).get());
  ASSERT_FALSE(fallback.empty());
  const UniqueFont font = MakeFont("没有这种字体 NoSuchFamily", 17.5f, FontStyle::Bold | FontStyle::Underline);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(FontFamilyName(font.get()), fallback);
  EXPECT_FLOAT_EQ(SizeOf(font.get()), 17.5f);
  EXPECT_EQ(StyleOf(font.get()), Gdiplus::FontStyleBold | Gdiplus::FontStyleUnderline);
}

TEST_F(FontsTest, AnInstalledFamilyIsTakenByItsName) {
  // Installed by the project's setup; its name is not the default family's.
  const UniqueFont font = MakeFont("WenQuanYi Micro Hei", 20, FontStyle::Italic);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(FontFamilyName(font.get()), "WenQuanYi Micro Hei");
  EXPECT_EQ(StyleOf(font.get()), Gdiplus::FontStyleItalic);
  EXPECT_GT(FontHeight(font.get()), 20.0f);
}

TEST_F(FontsTest, AnEmptyNameFallsBackToo) {
  const UniqueFont font = MakeFont("", 9);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(FontFamilyName(font.get()), FontFamilyName(DefaultFont()));
  EXPECT_EQ(FontFamilyName(nullptr), "");
}

}  // namespace
}  // namespace getlink
