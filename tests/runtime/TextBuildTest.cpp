#include "runtime/TextBuild.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(ReplaceText, RemovesBackslashes) {
  EXPECT_EQ(ReplaceText("http:\\/\\/a\\/b", "\\", "", Case::Sensitive), "http://a/b");
  EXPECT_EQ(ReplaceText("http:\\/\\/a", "\\", "", Case::Sensitive, {1, 1}), "http:/\\/a");
}

TEST(ReplaceText, StartCountAndReplacement) {
  EXPECT_EQ(ReplaceText("aXaXaX", "X", "-", Case::Sensitive), "a-a-a-");
  EXPECT_EQ(ReplaceText("aXaXaX", "X", "-", Case::Sensitive, {3, 1}), "aXa-aX");
  EXPECT_EQ(ReplaceText("aXaXaX", "X", "--", Case::Sensitive, {2, 2}), "a--a--aX");
  EXPECT_EQ(ReplaceText("aXaX", "x", "-", Case::Insensitive), "a-a-");
  EXPECT_EQ(ReplaceText("aXaX", "x", "-", Case::Sensitive), "aXaX");
  EXPECT_EQ(ReplaceText("aaaa", "aa", "b", Case::Sensitive), "bb");
}

TEST(ReplaceText, OutOfRangeArgumentsGiveACopy) {
  EXPECT_EQ(ReplaceText("", "a", "b", Case::Sensitive), "");
  EXPECT_EQ(ReplaceText("abc", "", "b", Case::Sensitive), "abc");
  EXPECT_EQ(ReplaceText("ab", "abc", "x", Case::Sensitive), "ab");
  EXPECT_EQ(ReplaceText("abc", "c", "x", Case::Sensitive, {4, 1}), "abc");
  EXPECT_EQ(ReplaceText("abc", "c", "x", Case::Sensitive, {0, 1}), "abc");
  EXPECT_EQ(ReplaceText("abc", "c", "x", Case::Sensitive, {1, 0}), "abc");
}

TEST(ReplaceText, StepsOverDoubleByteCharacters) {
  EXPECT_EQ(ReplaceText("\xB0\xA1\xB0\xA1", "\xA1\xB0", "x", Case::Sensitive), "\xB0\xA1\xB0\xA1");
  EXPECT_EQ(ReplaceText("文\\件", "\\", "", Case::Sensitive), "文件");
}

TEST(RemoveBlanks, HalfAndFullWidth) {
  EXPECT_EQ(RemoveBlanks(" a b\xA1\xA1" "c "), "abc");
  EXPECT_EQ(RemoveBlanks("  \xA1\xA1"), "");
  // A1 A1 made of the end of one character and the start of the next is not a blank.
  EXPECT_EQ(RemoveBlanks("\xB0\xA1\xA1\xB0"), "\xB0\xA1\xA1\xB0");
}

TEST(TrimBlanks, BothEndsOnly) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\xA1\xA1 文件 \xA1\xA1"), "文件");
  EXPECT_EQ(TrimBlanks("a\xA1\xA1" "b"), "a\xA1\xA1" "b");
  EXPECT_EQ(TrimBlanks(" \xA1\xA1 "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\tx\r"), "\tx\r");
  // B0 A1 is one character; the A1 A1 that its second byte starts is not a blank.
  EXPECT_EQ(TrimBlanks("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
  EXPECT_EQ(TrimBlanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
}

TEST(LetterCase, AsciiOnly) {
  EXPECT_EQ(LowerText("AbC\xC1\x41Z"), "abc\xC1\x41z");
  EXPECT_EQ(UpperText("abc\xC1\x61z"), "ABC\xC1\x61Z");
  EXPECT_EQ(LowerText(""), "");
}

TEST(BuildingTexts, SpacesRepeatsAndCharacters) {
  EXPECT_EQ(SpaceText(3), "   ");
  EXPECT_EQ(SpaceText(0), "");
  EXPECT_EQ(RepeatText(3, "ab"), "ababab");
  EXPECT_EQ(RepeatText(0, "ab"), "");
  EXPECT_EQ(RepeatText(2, ""), "");
  EXPECT_EQ(CharText(0x41), "A");
  EXPECT_EQ(CharText(0x141), "A");
  EXPECT_EQ(CharText(0x100), "");
  EXPECT_EQ(CopyText("文件"), "文件");
}

TEST(CharCodeAt, SignedBytes) {
  EXPECT_EQ(CharCodeAt("abc"), 97);
  EXPECT_EQ(CharCodeAt("abc", 3), 99);
  EXPECT_EQ(CharCodeAt("\xB0\xA1"), -80);
  EXPECT_EQ(CharCodeAt("\xFF"), -1);
  EXPECT_EQ(CharCodeAt("abc", 0), 0);
  EXPECT_EQ(CharCodeAt("abc", 4), 0);
  EXPECT_EQ(CharCodeAt(""), 0);
}

}  // namespace
}  // namespace getlink
