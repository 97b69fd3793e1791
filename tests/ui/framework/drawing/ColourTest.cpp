#include "ui/framework/drawing/Colour.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace getlink {
namespace {

// The two forms never pass for each other, nor for a plain number, without a conversion.
static_assert(!std::is_convertible_v<ColorRef, Argb> && !std::is_convertible_v<Argb, ColorRef>);
static_assert(!std::is_convertible_v<std::uint32_t, Argb> && !std::is_convertible_v<std::uint32_t, ColorRef>);

TEST(MakeColor, OpaqueColoursGetAlpha254) {
  const ColorRef colour = MakeColorRef(0x30, 0x20, 0x10);
  EXPECT_EQ(colour, ColorRef(0x102030u));
  EXPECT_EQ(MakeColor(colour, 255), Argb(0xFE302010u));
  EXPECT_EQ(MakeColor(colour), Argb(0xFE302010u));
  EXPECT_EQ(MakeColor(colour, 254), Argb(0xFE302010u));
}

TEST(MakeColor, KeepsOtherAlphasAndClampsOutOfRangeOnes) {
  const ColorRef colour = MakeColorRef(0x30, 0x20, 0x10);
  EXPECT_EQ(MakeColor(colour, 0), Argb(0x00302010u));
  EXPECT_EQ(MakeColor(colour, 128), Argb(0x80302010u));
  EXPECT_EQ(MakeColor(colour, 300), Argb(0xFE302010u));
  EXPECT_EQ(MakeColor(colour, -5), Argb(0x00302010u));
  // Bits above the blue byte of a COLORREF are not colour.
  EXPECT_EQ(MakeColor(ColorRef(0xFF102030u), 1), Argb(0x01302010u));
}

// ARGB to COLORREF drops the alpha; back again it takes the alpha it is given, 255 made
// kOpaqueAlpha as always.
TEST(ToColorRef, RoundTripsThroughMakeColorKeepingRedGreenAndBlue) {
  const struct {
    Argb argb;
    ColorRef colorRef;
    Argb back;  // MakeColor(colorRef, AlphaOf(argb))
  } cases[] = {
      {Argb(0x80302010u), ColorRef(0x102030u), Argb(0x80302010u)},
      {Argb(0x00FFFFFFu), ColorRef(0xFFFFFFu), Argb(0x00FFFFFFu)},
      {Argb(0xFE0000FFu), ColorRef(0xFF0000u), Argb(0xFE0000FFu)},
      {Argb(0xFFFF0000u), ColorRef(0x0000FFu), Argb(0xFEFF0000u)},
      {Argb(0x01ABCDEFu), ColorRef(0xEFCDABu), Argb(0x01ABCDEFu)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.argb);
    EXPECT_EQ(ToColorRef(c.argb), c.colorRef);
    EXPECT_EQ(MakeColor(ToColorRef(c.argb), AlphaOf(c.argb)), c.back);
    EXPECT_EQ(ToColorRef(MakeColor(c.colorRef, 77)), c.colorRef);
  }
  // A COLORREF's stray top byte does not survive the way there and back.
  EXPECT_EQ(ToColorRef(MakeColor(ColorRef(0x7F102030u), 9)), ColorRef(0x102030u));
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
