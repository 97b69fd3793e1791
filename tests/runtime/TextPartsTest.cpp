#include "runtime/TextParts.h"

#include <gtest/gtest.h>

#include <climits>

namespace getlink {
namespace {

TEST(LeftText, Bounds) {
  EXPECT_EQ(LeftText("abc", 5), "abc");
  EXPECT_EQ(LeftText("abc", 3), "abc");
  EXPECT_EQ(LeftText("abc", 2), "ab");
  EXPECT_EQ(LeftText("abc", 0), "");
  EXPECT_EQ(LeftText("abc", -1), "");
  EXPECT_EQ(LeftText("", 3), "");
}

TEST(RightText, Bounds) {
  EXPECT_EQ(RightText("abc", 2), "bc");
  EXPECT_EQ(RightText("abc", 3), "abc");
  EXPECT_EQ(RightText("abc", 9), "abc");
  EXPECT_EQ(RightText("abc", 0), "");
  EXPECT_EQ(RightText("abc", -4), "");
}

TEST(MidText, Bounds) {
  EXPECT_EQ(MidText("abc", 2, 10), "bc");
  EXPECT_EQ(MidText("abc", 2, 1), "b");
  EXPECT_EQ(MidText("abc", 1, 3), "abc");
  EXPECT_EQ(MidText("abc", 3, 1), "c");
  EXPECT_EQ(MidText("abc", 4, 1), "");
  EXPECT_EQ(MidText("abc", 0, 2), "");
  EXPECT_EQ(MidText("abc", 1, 0), "");
  EXPECT_EQ(MidText("abc", 2, INT_MAX), "bc");
  EXPECT_EQ(MidText("", 1, 1), "");
}

TEST(TextParts, CountBytesNotCharacters) {
  EXPECT_EQ(LeftText("文件abc", 4), "文件");
  EXPECT_EQ(MidText("文件abc", 5, 3), "abc");
  EXPECT_EQ(TextLength("文件"), 4);
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(ConcatTexts("", std::string(), ""), "");
  EXPECT_EQ(ConcatTexts("文件名：", std::string("a"), "\r\n"), "文件名：a\r\n");
}

using Parts = std::vector<Text>;

TEST(SplitText, EmptyPartsAndFinalSeparator) {
  EXPECT_EQ(SplitText("a;b", ";"), (Parts{"a", "b"}));
  EXPECT_EQ(SplitText("a;b;", ";"), (Parts{"a", "b"}));
  EXPECT_EQ(SplitText("a;;b", ";"), (Parts{"a", "", "b"}));
  EXPECT_EQ(SplitText(";a", ";"), (Parts{"", "a"}));
  EXPECT_EQ(SplitText(";", ";"), (Parts{""}));
  EXPECT_EQ(SplitText("", ";"), Parts{});
  EXPECT_EQ(SplitText("abc", ""), (Parts{"abc"}));
  EXPECT_EQ(SplitText("abc", ","), (Parts{"abc"}));
}

TEST(SplitText, MultiByteSeparatorAndCharacterBoundaries) {
  EXPECT_EQ(SplitText("a: 1\r\n\r\nb: 2\r\n", "\r\n"), (Parts{"a: 1", "", "b: 2"}));
  EXPECT_EQ(SplitText("a=1; b=2; ", "; "), (Parts{"a=1", "b=2"}));
  // B0 A1 B0 A1 holds the bytes A1 B0 only across two characters: no split there.
  EXPECT_EQ(SplitText("\xB0\xA1\xB0\xA1", "\xA1\xB0"), (Parts{"\xB0\xA1\xB0\xA1"}));
  EXPECT_EQ(SplitText("文件;名", ";"), (Parts{"文件", "名"}));
}

}  // namespace
}  // namespace getlink
