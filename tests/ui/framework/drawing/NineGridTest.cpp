#include "ui/framework/drawing/NineGrid.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace getlink {
namespace {

::testing::AssertionResult SameRect(const Rect& actual, const Rect& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "{" << actual.left << ", " << actual.top << ", " << actual.width << ", "
                                       << actual.height << "} instead of {" << expected.left << ", " << expected.top
                                       << ", " << expected.width << ", " << expected.height << "}";
}

TEST(NineGridPieces, CornersKeepTheirSizeEdgesStretchAlongThemselves) {
  // The combo box: the 20 x 26 hot frame at x 20 with 5-pixel borders onto 80 x 24.
  const auto pieces = NineGridPieces({20, 0, 20, 26}, {100, 50, 80, 24}, {5, 5, 5, 5});
  ASSERT_EQ(pieces.size(), 9u);
  // top-left, top edge, top-right
  EXPECT_TRUE(SameRect(pieces[0].source, {20, 0, 5, 5}));
  EXPECT_TRUE(SameRect(pieces[0].destination, {100, 50, 5, 5}));
  EXPECT_TRUE(SameRect(pieces[1].source, {25, 0, 10, 5}));
  EXPECT_TRUE(SameRect(pieces[1].destination, {105, 50, 70, 5}));
  EXPECT_TRUE(SameRect(pieces[2].source, {35, 0, 5, 5}));
  EXPECT_TRUE(SameRect(pieces[2].destination, {175, 50, 5, 5}));
  // left edge and centre
  EXPECT_TRUE(SameRect(pieces[3].source, {20, 5, 5, 16}));
  EXPECT_TRUE(SameRect(pieces[3].destination, {100, 55, 5, 14}));
  EXPECT_TRUE(SameRect(pieces[4].source, {25, 5, 10, 16}));
  EXPECT_TRUE(SameRect(pieces[4].destination, {105, 55, 70, 14}));
  // bottom-right
  EXPECT_TRUE(SameRect(pieces[8].source, {35, 21, 5, 5}));
  EXPECT_TRUE(SameRect(pieces[8].destination, {175, 69, 5, 5}));
}

TEST(NineGridPieces, NoMarginsIsAPlainStretch) {
  const auto pieces = NineGridPieces({0, 0, 20, 26}, {0, 0, 80, 24}, {});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_TRUE(SameRect(pieces[0].source, {0, 0, 20, 26}));
  EXPECT_TRUE(SameRect(pieces[0].destination, {0, 0, 80, 24}));
}

TEST(NineGridPieces, ADestinationSmallerThanTheBordersShrinksTheCornersInsteadOfOverlapping) {
  const auto pieces = NineGridPieces({0, 0, 20, 20}, {0, 0, 6, 30}, {6, 5, 2, 5});
  // Across, the 8 pixels of border become 6: the centre column disappears.
  ASSERT_EQ(pieces.size(), 6u);
  float right = 0;
  for (const ImagePiece& piece : pieces) {
    EXPECT_GE(piece.destination.left, 0.0f);
    EXPECT_LE(piece.destination.Right(), 6.0f + 1e-5f);
    right = std::max(right, piece.destination.Right());
  }
  EXPECT_FLOAT_EQ(right, 6.0f);
  EXPECT_FLOAT_EQ(pieces[0].destination.width, 4.5f);  // 6 * 6 / 8
  EXPECT_FLOAT_EQ(pieces[1].destination.left, 4.5f);
  EXPECT_FLOAT_EQ(pieces[1].destination.width, 1.5f);
  EXPECT_FLOAT_EQ(pieces[0].source.width, 6.0f);  // the source keeps its corners
}

TEST(NineGridPieces, MarginsWiderThanTheImageAreCutToIt) {
  const auto pieces = NineGridPieces({0, 0, 10, 10}, {0, 0, 100, 100}, {8, 0, 8, 0});
  for (const ImagePiece& piece : pieces) {
    EXPECT_GE(piece.source.left, 0.0f);
    EXPECT_LE(piece.source.Right(), 10.0f + 1e-5f);
  }
  ASSERT_EQ(pieces.size(), 2u);  // left and right halves, no centre
  EXPECT_FLOAT_EQ(pieces[0].source.width, 5.0f);
  EXPECT_FLOAT_EQ(pieces[1].source.left, 5.0f);
}

TEST(NineGridPieces, EmptyRectanglesGiveNothing) {
  EXPECT_TRUE(NineGridPieces({0, 0, 0, 10}, {0, 0, 10, 10}, {2, 2, 2, 2}).empty());
  EXPECT_TRUE(NineGridPieces({0, 0, 10, 10}, {0, 0, 10, 0}, {2, 2, 2, 2}).empty());
}

}  // namespace
}  // namespace getlink
