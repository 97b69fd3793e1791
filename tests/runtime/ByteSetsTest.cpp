#include "runtime/ByteSets.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

const ByteSet kAbcde = {'a', 'b', 'c', 'd', 'e'};

ByteSet B(const char* text) { return ByteSet(text, text + std::char_traits<char>::length(text)); }

TEST(ByteSets, LengthBlankAndMemory) {
  EXPECT_EQ(ByteSetLength(kAbcde), 5);
  EXPECT_EQ(ByteSetLength(ByteSet()), 0);
  EXPECT_EQ(BlankByteSet(3), ByteSet(3, 0));
  EXPECT_TRUE(BlankByteSet(0).empty());
  EXPECT_TRUE(BlankByteSet(-1).empty());
  const char memory[] = "xyz";
  EXPECT_EQ(ByteSetFromMemory(memory, 2), B("xy"));
  EXPECT_TRUE(ByteSetFromMemory(memory, 0).empty());
  EXPECT_TRUE(ByteSetFromMemory(nullptr, 3).empty());
}

TEST(ByteSets, LeftAndRight) {
  EXPECT_EQ(ByteSetLeft(kAbcde, 2), B("ab"));
  EXPECT_EQ(ByteSetLeft(kAbcde, 9), kAbcde);
  EXPECT_TRUE(ByteSetLeft(kAbcde, 0).empty());
  EXPECT_EQ(ByteSetRight(kAbcde, 2), B("de"));
  EXPECT_EQ(ByteSetRight(kAbcde, 9), kAbcde);
  EXPECT_TRUE(ByteSetRight(ByteSet(), 2).empty());
}

TEST(ByteSetMid, Bounds) {
  EXPECT_EQ(ByteSetMid(kAbcde, 2, 3), B("bcd"));
  EXPECT_EQ(ByteSetMid(kAbcde, 2, 4), B("bcde"));
  EXPECT_EQ(ByteSetMid(kAbcde, 4, 10), B("de"));
  EXPECT_EQ(ByteSetMid(kAbcde, 0, 2), B("ab"));
  EXPECT_EQ(ByteSetMid(kAbcde, -5, 1), B("a"));
  EXPECT_EQ(ByteSetMid(kAbcde, 5, 1), B("e"));
  EXPECT_TRUE(ByteSetMid(kAbcde, 6, 1).empty());  // start just past the end
  EXPECT_TRUE(ByteSetMid(kAbcde, 7, 1).empty());
  EXPECT_TRUE(ByteSetMid(kAbcde, 1, 0).empty());
  EXPECT_TRUE(ByteSetMid(ByteSet(), 1, 1).empty());
}

TEST(ByteSetReplaceRange, Bounds) {
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 2, 2, B("XY")), B("aXYde"));
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 2, 2), B("ade"));
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 1, 5, B("Z")), B("Z"));
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 4, 9, B("Z")), B("abcZ"));  // tail shorter than n
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 0, 1, B("Z")), B("Zbcde"));  // start below 1 is 1
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 5, 1, B("Z")), B("abcdZ"));
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 6, 1, B("Z")), kAbcde);  // past the end
  EXPECT_EQ(ByteSetReplaceRange(kAbcde, 2, 0, B("Z")), kAbcde);
  EXPECT_EQ(ByteSetReplaceRange(ByteSet(), 1, 1, B("Z")), B("Z"));
  EXPECT_TRUE(ByteSetReplaceRange(ByteSet(), 1, 1).empty());
}

}  // namespace
}  // namespace getlink
