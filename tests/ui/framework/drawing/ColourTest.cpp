#include "ui/framework/drawing/Colour.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(MakeColor, OpaqueColoursGetAlpha254) {
  const ColorRef colour = MakeColorRef(0x30, 0x20, 0x10);
  EXPECT_EQ(colour, 0x102030u);
  EXPECT_EQ(MakeColor(colour, 255), 0xFE302010u);
  EXPECT_EQ(MakeColor(colour), 0xFE302010u);
  EXPECT_EQ(MakeColor(colour, 254), 0xFE302010u);
}

TEST(MakeColor, KeepsOtherAlphasAndClampsOutOfRangeOnes) {
  const ColorRef colour = MakeColorRef(0x30, 0x20, 0x10);
  EXPECT_EQ(MakeColor(colour, 0), 0x00302010u);
  EXPECT_EQ(MakeColor(colour, 128), 0x80302010u);
  EXPECT_EQ(MakeColor(colour, 300), 0xFE302010u);
  EXPECT_EQ(MakeColor(colour, -5), 0x00302010u);
  // Bits above the blue byte of a COLORREF are not colour.
  EXPECT_EQ(MakeColor(0xFF102030u, 1), 0x01302010u);
}

TEST(IsDark, SplitsAtLuma192) {
  EXPECT_TRUE(IsDark(MakeArgb(254, 0, 0, 0)));
  EXPECT_FALSE(IsDark(MakeArgb(254, 255, 255, 255)));
  EXPECT_TRUE(IsDark(MakeArgb(254, 191, 191, 191)));
  EXPECT_FALSE(IsDark(MakeArgb(254, 192, 192, 192)));
  // Green weighs most, blue least; alpha does not count.
  EXPECT_FALSE(IsDark(MakeArgb(10, 160, 255, 0)));
  EXPECT_TRUE(IsDark(MakeArgb(254, 255, 0, 255)));
}

}  // namespace
}  // namespace getlink
