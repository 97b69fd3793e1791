#include "ui/framework/drawing/Fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/FrameworkStartup.h"
#include "ui/framework/drawing/GdiHandles.h"

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

// Adds to the process a bold face of the family `face` that is a Windows bitmap font (.fnt,
// version 2: blank glyphs for printable ASCII, 12 pixels high). GDI then finds it for the
// family in bold, and GDI+, which makes fonts of outlines only, cannot make the family bold:
// as Windows GDI+ cannot for a family that has no bold face.
FontMemory AddBoldBitmapFace(std::string_view face) {
  constexpr unsigned kFirst = 0x20, kLast = 0x7E, kHeight = 12, kWidth = 6, kHeaderSize = 118;
  constexpr unsigned kEntries = kLast - kFirst + 2;  // the characters and the table's end
  constexpr unsigned kBitsAt = kHeaderSize + kEntries * 4;
  constexpr unsigned kFaceAt = kBitsAt + kEntries * kHeight;
  std::vector<BYTE> bytes;
  const auto put = [&bytes](std::initializer_list<std::pair<unsigned, int>> fields) {
    for (const auto& [value, size] : fields)
      for (int i = 0; i < size; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
  };
  put({{0x200, 2}, {kFaceAt + static_cast<unsigned>(face.size()) + 1, 4}});  // version, file size
  bytes.resize(bytes.size() + 60);                                             // copyright
  put({{0, 2}, {9, 2}, {96, 2}, {96, 2}, {kHeight - 2, 2}, {0, 2}, {0, 2}});   // type, points, dpi, ascent, leadings
  put({{0, 1}, {0, 1}, {0, 1}, {FW_BOLD, 2}, {ANSI_CHARSET, 1}});              // italic, underline, strikeout, weight
  put({{kWidth, 2}, {kHeight, 2}, {FF_SWISS, 1}, {kWidth, 2}, {kWidth, 2}});   // pixel size, family, widths
  put({{kFirst, 1}, {kLast, 1}, {'?' - kFirst, 1}, {0, 1}, {1, 2}});           // characters, bytes a row
  put({{0, 4}, {kFaceAt, 4}, {0, 4}, {kBitsAt, 4}, {0, 1}});                   // device, face, bits
  for (unsigned entry = 0; entry < kEntries; ++entry) put({{kWidth, 2}, {kBitsAt + entry * kHeight, 2}});
  bytes.resize(kFaceAt);  // blank glyphs
  bytes.insert(bytes.end(), face.begin(), face.end());
  bytes.push_back(0);
  DWORD added = 0;
  return FontMemory(AddFontMemResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &added));
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

TEST_F(FontsTest, AStyleAFamilyLacksIsLookedForInTheOtherFamiliesBeforeAnotherStyle) {
  // Each case has a size of its own: GDI keeps the fonts it made for a while, and would hand
  // back a bold made before the bitmap face was there.
  struct Case {
    std::vector<std::string_view> withoutBold;
    float size;
    Text family;
    int style;
  };
  const Case cases[] = {
      {{"WenQuanYi Micro Hei"}, 31, "WenQuanYi Micro Hei Mono", Gdiplus::FontStyleBold | Gdiplus::FontStyleUnderline},
      {{"WenQuanYi Micro Hei", "WenQuanYi Micro Hei Mono"}, 33, "WenQuanYi Micro Hei", Gdiplus::FontStyleUnderline},
  };
  for (const Case& test : cases) {
    std::vector<FontMemory> faces;
    for (std::string_view family : test.withoutBold) faces.push_back(AddBoldBitmapFace(family));
    ASSERT_TRUE(std::all_of(faces.begin(), faces.end(), [](const FontMemory& face) { return face != nullptr; }));
    const UniqueFont font = MakeFont("WenQuanYi Micro Hei", test.size, FontStyle::Bold | FontStyle::Underline);
    ASSERT_NE(font, nullptr) << test.family;
    EXPECT_EQ(FontFamilyName(font.get()), test.family);
    EXPECT_EQ(StyleOf(font.get()), test.style) << test.family;
    EXPECT_FLOAT_EQ(SizeOf(font.get()), test.size);
  }
}

TEST_F(FontsTest, AnEmptyNameFallsBackToo) {
  const UniqueFont font = MakeFont("", 9);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(FontFamilyName(font.get()), FontFamilyName(DefaultFont()));
  EXPECT_EQ(FontFamilyName(nullptr), "");
}

}  // namespace
}  // namespace getlink
