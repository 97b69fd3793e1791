#include "ui/framework/drawing/EmbeddedImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/ui/framework/drawing/TestBitmaps.h"

namespace getlink {
namespace {

struct Expected {
  EmbeddedImage image;
  int width;
  int height;
};

TEST(EmbeddedImages, AllLoadAtTheirSizes) {
  testing::StartFramework();
  for (const Expected& e : {Expected{EmbeddedImage::CaptionButtons, 729, 20}, Expected{EmbeddedImage::MessageBoxSkin, 2, 160},
                            Expected{EmbeddedImage::MessageBoxIcons, 200, 40}, Expected{EmbeddedImage::ComboBoxSkin, 40, 26},
                            Expected{EmbeddedImage::ComboBoxArrow, 30, 12}, Expected{EmbeddedImage::MenuCheckMark, 20, 20}}) {
    const Image image = LoadEmbeddedImage(e.image);
    ASSERT_TRUE(image) << static_cast<int>(e.image);
    EXPECT_EQ(image.Width(), e.width) << static_cast<int>(e.image);
    EXPECT_EQ(image.Height(), e.height) << static_cast<int>(e.image);
  }
}

// Opaque-enough pixels of the bitmap inside `area`.
int InkIn(GpBitmap* bitmap, const Rect& area) {
  int ink = 0;
  for (int y = static_cast<int>(area.top); y < static_cast<int>(area.Bottom()); ++y)
    for (int x = static_cast<int>(area.left); x < static_cast<int>(area.Right()); ++x)
      if (AlphaOf(PixelAt(bitmap, x, y)) > 128) ++ink;
  return ink;
}

TEST(EmbeddedImages, TheCaptionSpriteFollowsItsCellTable) {
  testing::StartFramework();
  const Image image = LoadEmbeddedImage(EmbeddedImage::CaptionButtons);
  auto* sprite = static_cast<GpBitmap*>(image.Get());
  std::set<int> cellColumns;
  for (CaptionButtonKind kind : {CaptionButtonKind::Close, CaptionButtonKind::Maximise, CaptionButtonKind::Minimise,
                                 CaptionButtonKind::Menu, CaptionButtonKind::Settings, CaptionButtonKind::Help,
                                 CaptionButtonKind::Pin}) {
    for (bool maximised : {false, true}) {
      for (int state : {0, 1, 2}) {
        const Rect cell = CaptionButtonCell(kind, state, maximised);
        EXPECT_GE(InkIn(sprite, cell), 8) << static_cast<int>(kind) << " state " << state;
        for (int x = static_cast<int>(cell.left); x < static_cast<int>(cell.Right()); ++x) cellColumns.insert(x);
      }
    }
  }
  // Every pixel outside the cells (row 0, the gaps between cells) is clear.
  for (int x = 0; x < 729; ++x) {
    EXPECT_EQ(AlphaOf(PixelAt(sprite, x, 0)), 0) << x;
    if (cellColumns.count(x) == 0) {
      EXPECT_EQ(InkIn(sprite, {static_cast<float>(x), 0, 1, 20}), 0) << "gap at " << x;
    }
  }
  EXPECT_EQ(cellColumns.size(), 3u * 39 + 7u * 3 * 28);
  // The hot close button is red; the normal one has no face.
  const Argb hotClose = PixelAt(sprite, 44, 10);
  EXPECT_GT(RedOf(hotClose), GreenOf(hotClose) + 80);
  EXPECT_EQ(AlphaOf(PixelAt(sprite, 4, 10)), 0);
  // Maximise and restore glyphs differ.
  EXPECT_NE(InkIn(sprite, CaptionButtonCell(CaptionButtonKind::Maximise, 0, false)),
            InkIn(sprite, CaptionButtonCell(CaptionButtonKind::Maximise, 0, true)));
}

TEST(EmbeddedImages, TheMessageBoxIconsStandAtTheirOffsets) {
  testing::StartFramework();
  const Image icons = LoadEmbeddedImage(EmbeddedImage::MessageBoxIcons);
  const auto mean = [&](MessageBoxIcon icon) {
    const ColorRef c = AverageColour(icons.Get(), MessageBoxIconCell(icon));
    return MakeColor(c);
  };
  const Argb error = mean(MessageBoxIcon::Error), warning = mean(MessageBoxIcon::Warning);
  const Argb question = mean(MessageBoxIcon::Question), information = mean(MessageBoxIcon::Information);
  const Argb user = mean(MessageBoxIcon::User);
  EXPECT_GT(RedOf(error), BlueOf(error) + 40);
  EXPECT_LT(GreenOf(error) * 100, RedOf(error) * 60);  // red
  EXPECT_GT(RedOf(warning), BlueOf(warning) + 40);
  EXPECT_GT(GreenOf(warning) * 100, RedOf(warning) * 65);  // amber
  EXPECT_GT(BlueOf(question), RedOf(question) + 40);
  EXPECT_GT(BlueOf(information), RedOf(information) + 40);
  EXPECT_GT(GreenOf(information), GreenOf(question));
  EXPECT_GT(GreenOf(user), RedOf(user) + 20);
  EXPECT_GT(GreenOf(user), BlueOf(user));
  EXPECT_EQ(MessageBoxIconCell(MessageBoxIcon::None).left, 0.0f);
}

TEST(EmbeddedImages, TheComboBoxFramesDiffer) {
  testing::StartFramework();
  const Image skin = LoadEmbeddedImage(EmbeddedImage::ComboBoxSkin);
  auto* bitmap = static_cast<GpBitmap*>(skin.Get());
  const Argb normalBorder = PixelAt(bitmap, static_cast<int>(ComboBoxSkinFrame(false).left), 13);
  const Argb hotBorder = PixelAt(bitmap, static_cast<int>(ComboBoxSkinFrame(true).left), 13);
  EXPECT_LT(std::abs(RedOf(normalBorder) - BlueOf(normalBorder)), 40);
  EXPECT_GT(BlueOf(hotBorder), RedOf(hotBorder) + 80);
  // Opaque middles, so the text stays readable over any skin.
  EXPECT_GT(AlphaOf(PixelAt(bitmap, 10, 13)), 200);

  const Image arrow = LoadEmbeddedImage(EmbeddedImage::ComboBoxArrow);
  const Rect closed = ComboBoxArrowFrame(false), open = ComboBoxArrowFrame(true);
  EXPECT_GT(InkIn(static_cast<GpBitmap*>(arrow.Get()), closed), 5);
  EXPECT_GT(InkIn(static_cast<GpBitmap*>(arrow.Get()), open), 5);
}

}  // namespace
}  // namespace getlink
