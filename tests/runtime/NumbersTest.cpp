#include "runtime/Numbers.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(Numbers, Bits) {
  EXPECT_EQ(BitOr({1, 2, 8}), 11);
  EXPECT_EQ(BitAnd({0xFF, 0x0F, 0x3C}), 0x0C);
  EXPECT_EQ(BitNot(0), -1);
  EXPECT_EQ(ShiftRight(-8, 1), -4);
  EXPECT_EQ(ShiftRight(-1, 31), -1);
  EXPECT_EQ(ShiftRight(256, 33), 128);  // the count is taken AND 31
  EXPECT_EQ(MakeRgb(0x112, 0x34, 0x56), 0x563412);
}

TEST(Numbers, RoundTo) {
  EXPECT_EQ(RoundTo(2.5), 3);
  EXPECT_EQ(RoundTo(-2.5), -2);
  EXPECT_EQ(RoundTo(2.4, 0), 2);
  EXPECT_DOUBLE_EQ(RoundTo(3.14159, 2), 3.14);
  EXPECT_EQ(RoundTo(1234.5678, -2), 1200);
  EXPECT_EQ(RoundTo(1250, -2), 1300);
  EXPECT_EQ(RoundTo(-1250, -2), -1200);
}

TEST(Numbers, DivisionAndRemainder) {
  EXPECT_EQ(IntDivide({7, 2}), 3);
  EXPECT_EQ(IntDivide({-7, 2}), -3);
  EXPECT_EQ(IntDivide({100, 3, 4}), 8);  // 33, then 8.25 -> 8
  EXPECT_EQ(Remainder({7, 3}), 1);
  EXPECT_EQ(Remainder({-7, 3}), -1);
  EXPECT_EQ(Remainder({17, 7, 2}), 1);
  EXPECT_DOUBLE_EQ(Remainder({5.5, 2}), 1.5);
  EXPECT_EQ(AbsValue(-2.5), 2.5);
}

}  // namespace
}  // namespace getlink
