#include "ui/framework/drawing/EmbeddedImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "tests/ui/framework/drawing/TestBitmaps.h"

namespace getlink {
namespace {

struct Expected {
  EmbeddedImage image;
  ImageScale scale;
  int width;
  int height;
};

// Every image at every scale: at 1.5x and 2x its size times the scale, or more where a
// cell's rounding reaches past it.
TEST(EmbeddedImages, AllLoadAtTheirSizesAtEveryScale) {
  testing::StartFramework();
  constexpr ImageScale k1 = ImageScale::Normal, k15 = ImageScale::OneAndAHalf, k2 = ImageScale::Double;
  for (const Expected& e : {
           Expected{EmbeddedImage::CaptionButtons, k1, 729, 20}, Expected{EmbeddedImage::CaptionButtons, k15, 1094, 31},
           Expected{EmbeddedImage::CaptionButtons, k2, 1458, 40}, Expected{EmbeddedImage::MessageBoxSkin, k1, 2, 160},
           Expected{EmbeddedImage::MessageBoxSkin, k15, 3, 241}, Expected{EmbeddedImage::MessageBoxSkin, k2, 4, 320},
           Expected{EmbeddedImage::MessageBoxIcons, k1, 200, 40}, Expected{EmbeddedImage::MessageBoxIcons, k15, 300, 60},
           Expected{EmbeddedImage::MessageBoxIcons, k2, 400, 80}, Expected{EmbeddedImage::ComboBoxSkin, k1, 40, 26},
           Expected{EmbeddedImage::ComboBoxSkin, k15, 60, 39}, Expected{EmbeddedImage::ComboBoxSkin, k2, 80, 52},
           Expected{EmbeddedImage::ComboBoxArrow, k1, 30, 12}, Expected{EmbeddedImage::ComboBoxArrow, k15, 46, 18},
           Expected{EmbeddedImage::ComboBoxArrow, k2, 60, 24}, Expected{EmbeddedImage::MenuCheckMark, k1, 20, 20},
           Expected{EmbeddedImage::MenuCheckMark, k15, 30, 30}, Expected{EmbeddedImage::MenuCheckMark, k2, 40, 40}}) {
    const Image image = LoadEmbeddedImage(e.image, e.scale);
    const std::string which =
        std::to_string(static_cast<int>(e.image)) + " at " + std::to_string(ImageFactor(e.scale));
    ASSERT_TRUE(image) << which;
    EXPECT_EQ(image.Width(), e.width) << which;
    EXPECT_EQ(image.Height(), e.height) << which;
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

// The cell table, read at 1x and, each number scaled, at 1.5x and 2x: every cell is
// inside the sprite and holds its button, and nothing is drawn outside the cells (the
// scaled sprites are laid out by the same rounding).
TEST(EmbeddedImages, TheCaptionSpritesFollowTheirCellTable) {
  testing::StartFramework();
  for (const ImageScale scale : {ImageScale::Normal, ImageScale::OneAndAHalf, ImageScale::Double}) {
    const Image image = LoadEmbeddedImage(EmbeddedImage::CaptionButtons, scale);
    auto* sprite = static_cast<GpBitmap*>(image.Get());
    const float factor = ImageFactor(scale);
    std::set<int> cellColumns;
    for (CaptionButtonKind kind : {CaptionButtonKind::Close, CaptionButtonKind::Maximise, CaptionButtonKind::Minimise,
                                   CaptionButtonKind::Menu, CaptionButtonKind::Settings, CaptionButtonKind::Help,
                                   CaptionButtonKind::Pin}) {
      for (bool maximised : {false, true}) {
        for (int state : {0, 1, 2}) {
          const Rect cell = ScaledCell(CaptionButtonCell(kind, state, maximised), factor);
          EXPECT_LE(cell.Right(), image.Width());
          EXPECT_LE(cell.Bottom(), image.Height());
          EXPECT_GE(InkIn(sprite, cell), 8 * factor * factor)
              << static_cast<int>(kind) << " state " << state << " at " << factor;
          for (int x = static_cast<int>(cell.left); x < static_cast<int>(cell.Right()); ++x) cellColumns.insert(x);
        }
      }
    }
    // Every pixel outside the cells (row 0, the gaps between cells) is clear.
    for (int x = 0; x < image.Width(); ++x) {
      EXPECT_EQ(AlphaOf(PixelAt(sprite, x, 0)), 0) << x << " at " << factor;
      if (cellColumns.count(x) == 0) {
        EXPECT_EQ(InkIn(sprite, {static_cast<float>(x), 0, 1, static_cast<float>(image.Height())}), 0)
            << "gap at " << x << " at " << factor;
      }
    }
    const float cellWidths = 3 * ScaledLength(39, factor) + 7 * 3 * ScaledLength(28, factor);
    EXPECT_EQ(cellColumns.size(), static_cast<std::size_t>(cellWidths)) << factor;
  }
  const Image image = LoadEmbeddedImage(EmbeddedImage::CaptionButtons);
  auto* sprite = static_cast<GpBitmap*>(image.Get());
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
