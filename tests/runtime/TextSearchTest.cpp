#include "runtime/TextSearch.h"

#include <gtest/gtest.h>

#include <random>

namespace getlink {
namespace {

// Two double-byte characters "啊" (B0 A1) side by side: the bytes A1 B0 in the middle are
// the end of one character and the start of the next.
const std::string kTwoChars = "\xB0\xA1\xB0\xA1";

TEST(FindText, PositionsAndStart) {
  EXPECT_EQ(FindText("abcabc", "c"), 3);
  EXPECT_EQ(FindText("abcabc", "c", 4), 6);
  EXPECT_EQ(FindText("abcabc", "c", 5), 6);
  EXPECT_EQ(FindText("abcabc", "c", 6), 6);
  EXPECT_EQ(FindText("abcabc", "c", 7), -1);
  EXPECT_EQ(FindText("abcabc", "abc", 0), 1);
  EXPECT_EQ(FindText("abcabc", "abc", -3), 1);
  EXPECT_EQ(FindText("abcabc", "bcabc", 3), -1);  // start beyond the last possible match
}

TEST(FindText, EmptyOrLongerArguments) {
  EXPECT_EQ(FindText("", "a"), -1);
  EXPECT_EQ(FindText("abc", ""), -1);
  EXPECT_EQ(FindText("ab", "abc"), -1);
  EXPECT_EQ(FindText("abc", "abc"), 1);
}

TEST(FindText, NeverMatchesInsideADoubleByteCharacter) {
  EXPECT_EQ(FindText(kTwoChars, "\xA1\xB0"), -1);
  EXPECT_EQ(FindText(kTwoChars, "\xB0\xA1", 3), 3);
  // A trail byte in the ASCII range: "\x81\x41" is one character, its A is not a letter.
  EXPECT_EQ(FindText("\x81\x41", "A"), -1);
  EXPECT_EQ(FindText("\x81\x41" "A", "A"), 3);
  EXPECT_EQ(FindText("文件名:x", ":"), 7);
}

TEST(FindText, StartInsideACharacterScansFromThere) {
  // The caller's start is taken as a character boundary.
  EXPECT_EQ(FindText(kTwoChars, "\xA1\xB0", 2), 2);
}

TEST(FindText, StrayHighByteDoesNotHideTheByteAfterIt) {
  EXPECT_EQ(FindText("\xC0\"x\"", "\""), 2);
  EXPECT_EQ(FindText("\xC0\r\n", "\r\n"), 2);
  EXPECT_EQ(FindText("\xC0\x7F" "a", "\x7F"), 2);
  EXPECT_EQ(FindText("ab\xC0", "\xC0"), 3);
}

TEST(FindText, CaseInsensitiveFoldsAsciiOnly) {
  EXPECT_EQ(FindText("xxABC", "abc", Case::Insensitive), 3);
  EXPECT_EQ(FindText("xxABC", "abc", Case::Sensitive), -1);
  EXPECT_EQ(FindText("&SH=1", "&sh=1", Case::Insensitive), 1);
  EXPECT_EQ(FindText("\xC1\x61" "A", "a", Case::Insensitive), 3);
  EXPECT_EQ(FindText("\xC1\xE1", "\xC1\xC1", Case::Insensitive), -1);
}

// The character-boundary rule written out as plainly as possible: compare at p, step over
// a character on mismatch.
int ReferenceFindText(const std::string& text, const std::string& sub, int start) {
  const int length = static_cast<int>(text.size()), s = static_cast<int>(sub.size());
  if (length == 0 || s == 0 || length < s) return -1;
  if (start <= 0) start = 1;
  for (int p = start; p <= length - s + 1;) {
    if (text.compare(p - 1, s, sub) == 0) return p;
    const unsigned char b = text[p - 1];
    int step = 1;
    if (b >= 0x80 && p < length) {
      const unsigned char t = text[p];
      if (t >= 0x40 && t != 0x7F) step = 2;
    }
    p += step;
  }
  return -1;
}

TEST(FindText, AgreesWithTheCharacterScanOnRandomMixedText) {
  std::mt19937 random(1234);
  // A small alphabet makes matches, near-matches and straddling matches frequent.
  const unsigned char alphabet[] = {'a', 'b', '"', ' ', 0x41, 0x7F, 0xB0, 0xA1, 0xC1, 0x81};
  std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 40, ' '), sub(1 + random() % 3, ' ');
    for (char& c : text) c = static_cast<char>(alphabet[pick(random)]);
    for (char& c : sub) c = static_cast<char>(alphabet[pick(random)]);
    const int start = static_cast<int>(random() % 8) - 2;
    ASSERT_EQ(FindText(text, sub, start), ReferenceFindText(text, sub, start))
        << "round " << round << " start " << start;
  }
}

TEST(FindTextLast, Candidates) {
  EXPECT_EQ(FindTextLast("a/b/c", "/"), 4);
  EXPECT_EQ(FindTextLast("a/b/c", "/", 3), 2);  // first candidate at offset 3 - 1
  EXPECT_EQ(FindTextLast("a/b/c", "/", 100), 4);
  EXPECT_EQ(FindTextLast("a/b/c", "a/", 1), 1);  // start - S below 0 is clamped to 0
  EXPECT_EQ(FindTextLast("abc", "x"), -1);
  EXPECT_EQ(FindTextLast("", "x"), -1);
  EXPECT_EQ(FindTextLast("abc", ""), -1);
  EXPECT_EQ(FindTextLast("A/B", "a", Case::Insensitive), 1);
}

TEST(FindTextLast, TriesEveryByteWithoutCharacterStepping) {
  EXPECT_EQ(FindTextLast(kTwoChars, "\xA1\xB0"), 2);
}

TEST(CutBetweenMarkers, Cuts) {
  EXPECT_EQ(CutBetweenMarkers("[t]x[/t]", "[t]", "[/t]"), "x");
  EXPECT_EQ(CutBetweenMarkers("<b>文件</b>", "<b>", "</b>"), "文件");
}

TEST(CutBetweenMarkers, MissingOrMisplacedMarkersGiveEmptyText) {
  EXPECT_EQ(CutBetweenMarkers("[t]x", "[t]", "[/t]"), "");
  // The right marker is searched from the start: its first occurrence comes before the left.
  EXPECT_EQ(CutBetweenMarkers("[/t][t]x[/t]", "[t]", "[/t]"), "");
  EXPECT_EQ(CutBetweenMarkers("[t][/t]", "[t]", "[/t]"), "");
  // A missing left marker gives nothing, not a slice of the page up to the right marker.
  EXPECT_EQ(CutBetweenMarkers("garbage before x[/t]", "[t]", "[/t]"), "");
  EXPECT_EQ(CutBetweenMarkers("", "[t]", "[/t]"), "");
  EXPECT_EQ(CutBetweenMarkers("x[t]y", "", "y"), "");
}

TEST(CompareText, OrdersUnsignedBytes) {
  EXPECT_EQ(CompareText("http:", "http:", Case::Sensitive), 0);
  EXPECT_EQ(CompareText("", "", Case::Sensitive), 0);
  EXPECT_EQ(CompareText("a", "b", Case::Sensitive), -1);
  EXPECT_EQ(CompareText("ab", "a", Case::Sensitive), 1);
  EXPECT_EQ(CompareText("\xB0", "a", Case::Sensitive), 1);
  EXPECT_EQ(CompareText("ABC", "abc", Case::Sensitive), -1);
  EXPECT_EQ(CompareText("ABC", "abc", Case::Insensitive), 0);
  EXPECT_EQ(CompareText("\xC1", "\xE1", Case::Insensitive), -1);
}

}  // namespace
}  // namespace getlink
