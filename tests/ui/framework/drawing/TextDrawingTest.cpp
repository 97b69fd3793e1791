#include "ui/framework/drawing/TextDrawing.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "ui/framework/drawing/Fonts.h"
#include "ui/framework/drawing/ScaledStyle.h"
#include "ui/framework/drawing/TextFormat.h"

namespace getlink {
namespace {

const Argb kBlack = MakeArgb(254, 0, 0, 0);
const Argb kWhite = MakeArgb(254, 255, 255, 255);
const Rect kLine{10, 5, 160, 34};

class TextDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartFramework();
    font_ = MakeFont("WenQuanYi Micro Hei", 22);
    ASSERT_NE(font_, nullptr);
  }

  Surface Draw(std::string_view text, Argb colour, TextEffect effect, std::optional<Argb> effectColour = {},
               float glowSpread = DefaultStyle().textGlowSpread) {
    Surface surface(180, 44);
    DrawText(surface.Graphics(), kLine, text, font_.get(), colour, nullptr, effect, effectColour, glowSpread);
    return surface;
  }

  UniqueFont font_;
};

bool SamePixels(const Surface& a, const Surface& b) {
  return testing::CountPixels(a, [&](int x, int y, Argb p) { return p != b.PixelAt(x, y); }) == 0;
}

TEST_F(TextDrawingTest, ChineseTextReachesGdiplusAsTheSameCharacters) {
  // GBK "中文 Ag" drawn through DrawText, and its UTF-16 drawn straight with GDI+.
  const Surface drawn = Draw("中文 Ag", kBlack, TextEffect::None);
  Surface reference(180, 44);
  const std::wstring wide = L"\x4E2D\x6587 Ag";
  const Gdiplus::RectF layout(kLine.left, kLine.top, kLine.width, kLine.height);
  const UniqueBrush brush = [] {
    Gdiplus::GpSolidFill* b = nullptr;
    gdip::GdipCreateSolidFill(kBlack.Value(), &b);
    return UniqueBrush(b);
  }();
  gdip::GdipDrawString(reference.Graphics(), wide.c_str(), static_cast<INT>(wide.size()), font_.get(), &layout,
                       nullptr, brush.get());
  EXPECT_GT(testing::CountPixels(drawn, [](int, int, Argb p) { return AlphaOf(p) > 0; }), 100);
  EXPECT_TRUE(SamePixels(drawn, reference));
}

TEST_F(TextDrawingTest, ALineBreakDrawsNothingOfItsOwn) {
  const Surface windowsBreak = Draw("Ag\r\n中文", kBlack, TextEffect::None);
  EXPECT_TRUE(SamePixels(windowsBreak, Draw("Ag\n中文", kBlack, TextEffect::None)));
  Surface surface(10, 10);
  const Rect measured = MeasureText(surface.Graphics(), "Ag\r\n中文", font_.get(), Rect{}, nullptr);
  EXPECT_EQ(measured, MeasureText(surface.Graphics(), "Ag\n中文", font_.get(), Rect{}, nullptr));
}

TEST_F(TextDrawingTest, GlowLeavesAHaloAroundTheGlyphsAndNoEffectLeavesNone) {
  const Surface plain = Draw("中文 Ag", kBlack, TextEffect::None);
  const Surface glow = Draw("中文 Ag", kBlack, TextEffect::Glow);
  // Effect values other than glow and shadow draw the text alone.
  EXPECT_TRUE(SamePixels(Draw("中文 Ag", kBlack, static_cast<TextEffect>(1)), plain));

  int halo = 0, darkHalo = 0;
  for (int y = 0; y < plain.Height(); ++y) {
    for (int x = 0; x < plain.Width(); ++x) {
      const Argb around = glow.PixelAt(x, y);
      if (AlphaOf(plain.PixelAt(x, y)) != 0 || AlphaOf(around) == 0) continue;
      ++halo;
      if (RedOf(around) < 200 || BlueOf(around) < 200) ++darkHalo;
    }
  }
  EXPECT_GT(halo, 100);  // light pixels around the glyphs where plain text left nothing
  EXPECT_EQ(darkHalo, 0);  // dark text glows white
  // The glyphs themselves are still drawn on top.
  EXPECT_GT(testing::CountPixels(glow, [](int, int, Argb p) { return AlphaOf(p) > 200 && RedOf(p) < 60; }), 50);
}

// A window at twice the DPI draws with its style at twice the scale: the glow spreads
// twice as far, so its halo covers clearly more of the surface around the same glyphs.
TEST_F(TextDrawingTest, TheGlowSpreadsWithTheStylesScale) {
  const Surface plain = Draw("Ag", kBlack, TextEffect::None);
  const auto halo = [&](const Surface& glow) {
    return testing::CountPixels(glow, [&](int x, int y, Argb p) {
      return AlphaOf(plain.PixelAt(x, y)) == 0 && AlphaOf(p) > 0;
    });
  };
  const int base = halo(Draw("Ag", kBlack, TextEffect::Glow));
  const int doubled = halo(Draw("Ag", kBlack, TextEffect::Glow, {}, ScaledStyle(DefaultStyle(), 2).textGlowSpread));
  EXPECT_GT(doubled, base * 3 / 2);
}

TEST_F(TextDrawingTest, LightTextGlowsDarkAndAGivenEffectColourWins) {
  const Surface plain = Draw("Ag", kWhite, TextEffect::None);
  const Surface glow = Draw("Ag", kWhite, TextEffect::Glow);
  EXPECT_GT(testing::CountPixels(glow, [&](int x, int y, Argb p) {
              return AlphaOf(plain.PixelAt(x, y)) == 0 && AlphaOf(p) > 0 && RedOf(p) < 60;
            }),
            30);
  const Surface red = Draw("Ag", kBlack, TextEffect::Glow, MakeArgb(200, 255, 0, 0));
  EXPECT_GT(testing::CountPixels(red, [&](int x, int y, Argb p) {
              return AlphaOf(plain.PixelAt(x, y)) == 0 && AlphaOf(p) > 0 && RedOf(p) > 200 && GreenOf(p) < 60;
            }),
            30);
  EXPECT_EQ(AutomaticEffectColour(kBlack), MakeArgb(85, 255, 255, 255));
  EXPECT_EQ(AutomaticEffectColour(kWhite), MakeArgb(75, 0, 0, 0));
}

TEST_F(TextDrawingTest, ShadowDrawsTheEffectColourUnderTheText) {
  const Surface plain = Draw("Ag", kBlack, TextEffect::None);
  const Surface shadow = Draw("Ag", kBlack, TextEffect::Shadow, MakeArgb(254, 255, 0, 0));
  EXPECT_FALSE(SamePixels(plain, shadow));
  EXPECT_GT(testing::CountPixels(shadow, [](int, int, Argb p) { return RedOf(p) > GreenOf(p) + 40; }), 5);
}

TEST_F(TextDrawingTest, MeasuresEachCharacterOfLinesLongerThanOneBatch) {
  Surface surface(900, 40);
  const Text text = std::string(40, 'x') + "中文";  // 42 characters in 44 bytes
  const TextFormat format(Gdiplus::StringFormatFlagsNoWrap);
  const std::vector<Rect> boxes =
      MeasureCharacters(surface.Graphics(), text, font_.get(), format.Handle(), Rect{0, 0, 900, 40}, 0, 100);
  ASSERT_EQ(boxes.size(), 42u);
  for (std::size_t i = 1; i < boxes.size(); ++i) {
    EXPECT_GT(boxes[i].width, 0.0f) << i;
    EXPECT_GE(boxes[i].left, boxes[i - 1].Right() - 1.0f) << i;
  }
  EXPECT_GT(boxes[41].width, boxes[0].width * 1.3f);  // a Chinese character is wider

  const std::vector<Rect> tail =
      MeasureCharacters(surface.Graphics(), text, font_.get(), format.Handle(), Rect{0, 0, 900, 40}, 40, 5);
  ASSERT_EQ(tail.size(), 2u);
  EXPECT_FLOAT_EQ(tail[1].left, boxes[41].left);
  INT ranges = -1;
  gdip::GdipGetStringFormatMeasurableCharacterRangeCount(format.Handle(), &ranges);
  EXPECT_EQ(ranges, 0);  // the caller's format is left alone
  EXPECT_TRUE(MeasureCharacters(surface.Graphics(), text, font_.get(), nullptr, Rect{0, 0, 900, 40}, 50, 3).empty());
}

TEST_F(TextDrawingTest, MeasureTextGrowsWithLines) {
  Surface surface(10, 10);
  const Rect one = MeasureText(surface.Graphics(), "中文", font_.get(), Rect{}, nullptr);
  const Rect two = MeasureText(surface.Graphics(), "中文\r\n第二行", font_.get(), Rect{}, nullptr);
  EXPECT_GT(one.width, 30.0f);
  EXPECT_GT(one.height, 20.0f);
  EXPECT_GT(two.height, one.height * 1.8f);
}

}  // namespace
}  // namespace getlink
