#include "http/HeaderText.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(HeaderLine, SplitsAtTheFirstColonAndTrims) {
  EXPECT_EQ(HeaderLineName("Location: http://a.com:8080/x"), "Location");
  EXPECT_EQ(HeaderLineValue("Location: http://a.com:8080/x"), "http://a.com:8080/x");
  EXPECT_EQ(HeaderLineValue("Date:\xA1\xA1 12:30:05 \xA1\xA1"), "12:30:05");
  EXPECT_EQ(HeaderLineName(" \xA1\xA1Referer :x"), "Referer");
  EXPECT_EQ(HeaderLineName(": value"), "");
  EXPECT_EQ(HeaderLineValue("Name:"), "");
}

TEST(HeaderLine, NoColonGivesEmptyNameAndValue) {
  EXPECT_EQ(HeaderLineName("no colon here"), "");
  EXPECT_EQ(HeaderLineValue("no colon here"), "");
  EXPECT_EQ(HeaderLineName(""), "");
}

TEST(ContentLengthValue, DigitsAloneWithinSixtyFourBits) {
  EXPECT_EQ(ContentLengthValue("0"), 0u);
  EXPECT_EQ(ContentLengthValue("186"), 186u);
  EXPECT_EQ(ContentLengthValue("18446744073709551615"), 18446744073709551615u);
  for (const char* value : {"", "-1", "+1", " 1", "1 ", "1a", "0x10", "18446744073709551616"})
    EXPECT_EQ(ContentLengthValue(value), std::nullopt) << value;
}

TEST(TextBetween, CutsBetweenMarkers) {
  EXPECT_EQ(TextBetween("nid : '123',", "nid : '", "',"), "123");
  // The right marker is searched after the left one, not from the start.
  EXPECT_EQ(TextBetween("b]x[a]y]", "[a]", "]"), "y");
  EXPECT_EQ(TextBetween("a=1;b=2;", "b=", ";"), "2");
}

TEST(TextBetween, QuoteMarker) {
  EXPECT_EQ(TextBetween("name=\"文件.zip\" size=\"3\"", "#引号", "#引号"), "文件.zip");
  EXPECT_EQ(TextBetween("href=\"/s/x\">", "href=#引号", "#引号>"), "/s/x");
}

TEST(TextBetween, MissingOrTouchingMarkersGiveEmpty) {
  EXPECT_EQ(TextBetween("abc;def", "X-", ";"), "");
  EXPECT_EQ(TextBetween("x-abc", "x-", ";"), "");
  EXPECT_EQ(TextBetween("<a></a>", "<a>", "</a>"), "");
  EXPECT_EQ(TextBetween("", "a", "b"), "");
  EXPECT_EQ(TextBetween("tail[", "[", "]"), "");
}

TEST(TextBetween, LetterCaseAndStart) {
  EXPECT_EQ(TextBetween("SET-COOKIE: a=1; path=/", "Set-Cookie:", ";"), " a=1");
  EXPECT_EQ(TextBetween("SET-COOKIE: a=1;", "Set-Cookie:", ";", 1, Case::Sensitive), "");
  EXPECT_EQ(TextBetween("[1][2][3]", "[", "]", 2), "2");
  EXPECT_EQ(TextBetween("[1][2]", "[", "]", -4), "1");
  EXPECT_EQ(TextBetween("[1][2]", "[", "]", 99), "");
}

}  // namespace
}  // namespace getlink
