// The label: where its lines go, its background and outline, measuring after every
// change that needs it, and black or white text from the window behind it.
#include <gtest/gtest.h>

#include "tests/ui/framework/drawing/TestBitmaps.h"
#include "tests/ui/framework/window/WindowTestSupport.h"
#include "ui/controls/UiLabel.h"

namespace getlink::testing {
namespace {

bool Inked(Argb pixel) { return AlphaOf(pixel) > 100; }

// The rows of the surface that hold ink, top to bottom.
std::vector<int> InkRows(const Surface& surface) {
  std::vector<int> rows;
  for (int y = 0; y < surface.Height(); ++y) {
    bool any = false;
    for (int x = 0; x < surface.Width() && !any; ++x) any = Inked(surface.PixelAt(x, y));
    if (any) rows.push_back(y);
  }
  return rows;
}

// How many runs of consecutive rows (lines of text) the rows form.
int Runs(const std::vector<int>& rows) {
  int runs = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) runs += i == 0 || rows[i] != rows[i - 1] + 1 ? 1 : 0;
  return runs;
}

using LabelTest = WindowTest;

TEST_F(LabelTest, LinesSitAsABlockAtTheTopMiddleOrBottom) {
  struct Case {
    const char* text;
    VerticalAlign align;
    int lines;
  };
  const Case cases[] = {
      {"一行", VerticalAlign::Top, 1},
      {"第一行\r\n第二行", VerticalAlign::Centre, 2},
      {"一行", VerticalAlign::Bottom, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.align));
    UiLabel label;
    LabelOptions options;
    options.text = c.text;
    options.verticalAlign = c.align;
    ASSERT_TRUE(label.Create(hwnd(), {40, 60, 120, 70}, options));
    const std::vector<int> rows = InkRows(SurfaceOf(label));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(Runs(rows), c.lines);
    const int above = rows.front(), below = label.Height() - 1 - rows.back();
    switch (c.align) {
      case VerticalAlign::Top: EXPECT_LT(above, 10); break;
      case VerticalAlign::Centre: EXPECT_LE(std::abs(above - below), 2); break;
      case VerticalAlign::Bottom: EXPECT_LT(below, 10); break;
    }
  }
}

TEST_F(LabelTest, BackgroundGradientAndOutline) {
  LabelOptions options;
  options.background = LabelBackground::Horizontal;  // without colours: nothing to see
  UiLabel label;
  ASSERT_TRUE(label.Create(hwnd(), {40, 60, 100, 30}, options));
  EXPECT_EQ(CountPixels(SurfaceOf(label), [](int, int, Argb p) { return p != Argb(); }), 0);

  label.SetBackColourFrom(MakeArgb(255, 255, 0, 0));
  label.SetBackColourTo(MakeArgb(255, 0, 0, 255));
  label.SetBorderColour(MakeArgb(255, 0, 160, 0));
  const Surface& s = SurfaceOf(label);
  EXPECT_GT(RedOf(s.PixelAt(4, 15)), 200);
  EXPECT_GT(BlueOf(s.PixelAt(94, 15)), 200);
  for (const auto& [x, y] : {std::pair{0, 0}, {99, 29}, {50, 0}, {0, 15}})
    EXPECT_EQ(s.PixelAt(x, y), MakeArgb(255, 0, 160, 0)) << x << "," << y;  // the outline over the gradient
}

TEST_F(LabelTest, ChangesThatAffectTheTextMeasureItAgain) {
  UiLabel label;
  LabelOptions options;
  options.text = "短";
  ASSERT_TRUE(label.Create(hwnd(), {40, 60, 160, 120}, options));
  const int width = label.TextWidth(), height = label.TextHeight();
  EXPECT_GT(width, 0);
  label.SetText("长一些的文字");
  EXPECT_GT(label.TextWidth(), width + 40);
  label.SetFontSize(24);
  EXPECT_GT(label.TextHeight(), height + 8);

  label.SetFontSize(12);
  label.SetText("自动换行的标签：文字到了右边界就转到下一行继续显示，一直到写完为止。");
  EXPECT_EQ(Runs(InkRows(SurfaceOf(label))), 1);
  label.SetWordWrap(true);
  EXPECT_GT(label.TextHeight(), 2 * height);
  EXPECT_GE(Runs(InkRows(SurfaceOf(label))), 3);
  EXPECT_LE(label.TextWidth(), 156);
}

TEST_F(LabelTest, AutomaticContrastFollowsTheWindowBehindTheLabel) {
  UiLabel label;
  LabelOptions options;
  options.text = "自动对比";
  options.autoContrast = true;
  options.textColour = MakeArgb(210, 0, 0, 0);
  ASSERT_TRUE(label.Create(hwnd(), {40, 60, 120, 30}, options));
  const auto lightInk = [this, &label] {
    return CountPixels(SurfaceOf(label), [](int, int, Argb p) { return Inked(p) && GreenOf(p) > 200; });
  };
  const auto darkInk = [this, &label] {
    return CountPixels(SurfaceOf(label), [](int, int, Argb p) { return Inked(p) && GreenOf(p) < 60; });
  };
  EXPECT_GT(darkInk(), 20);  // on the light test skin
  EXPECT_EQ(lightInk(), 0);
  window().SetSkin(std::nullopt, MakeColorRef(20, 24, 40), SkinRepaint::Present);
  Pump();
  EXPECT_GT(lightInk(), 20);
  EXPECT_EQ(darkInk(), 0);
}

}  // namespace
}  // namespace getlink::testing
