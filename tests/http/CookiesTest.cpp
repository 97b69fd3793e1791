#include "http/Cookies.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(CookieName, BeforeTheFirstEquals) {
  EXPECT_EQ(CookieName(" sid = a=b"), "sid");
  EXPECT_EQ(CookieName("flag "), "flag");
  EXPECT_EQ(CookieName("=x"), "");
  EXPECT_TRUE(CookieListHasName({"a=1", "b=2"}, "b"));
  EXPECT_FALSE(CookieListHasName({"a=1", "B=2"}, "b"));
  EXPECT_FALSE(CookieListHasName({}, ""));
}

TEST(SetCookieEntry, ValueUpToSemicolonOrLineEnd) {
  EXPECT_EQ(SetCookieEntry("Set-Cookie: sid=abc; path=/"), "sid=abc");
  EXPECT_EQ(SetCookieEntry("set-cookie:token=1"), "token=1");
  EXPECT_EQ(SetCookieEntry("Set-Cookie: lone=v "), "lone=v");
  EXPECT_EQ(SetCookieEntry("Content-Type: text/html"), "");
}

TEST(MergeCookies, ResponseCookiesComeFirstAndReplaceOldOnes) {
  Text jar = "a=1; b=2";
  Text fresh = "b=3;c=4;";
  EXPECT_EQ(MergeCookies(jar, fresh), "b=3; c=4; a=1");
  EXPECT_EQ(jar, "b=3; c=4; a=1");
}

TEST(MergeCookies, DeletedCookieLeavesTheJar) {
  Text jar = "a=1; b=2";
  Text fresh = "b=deleted;";
  EXPECT_EQ(MergeCookies(jar, fresh), "a=1");
  Text onlyJar = "x=deleted";
  Text none;
  EXPECT_EQ(MergeCookies(onlyJar, none), "");
}

TEST(MergeCookies, SpacesLeaveBothVariables) {
  Text jar = " a = 1 ;\xA1\xA1" "b=x y";
  Text fresh = "c = 3 ; ";
  MergeCookies(jar, fresh);
  EXPECT_EQ(fresh, "c=3;");
  EXPECT_EQ(jar, "c=3; a=1; b=xy");
}

TEST(MergeCookies, EmptyInputs) {
  Text jar;
  Text fresh;
  EXPECT_EQ(MergeCookies(jar, fresh), "");
  EXPECT_EQ(jar, "");
  Text full = "a=1";
  EXPECT_EQ(MergeCookies(full, fresh), "a=1");
  // A merge normalises a jar that came back from an earlier one.
  EXPECT_EQ(MergeCookies(full, fresh), "a=1");
}

TEST(MergeCookies, RepeatedNameInTheJarKeepsTheFirst) {
  Text jar = "a=1;a=2;b=3";
  Text fresh = "c=4;";
  EXPECT_EQ(MergeCookies(jar, fresh), "c=4; a=1; b=3");
}

TEST(DropRepeatedEntries, RemovesRepeatsOfBareNamesAndEmptyParts) {
  EXPECT_EQ(DropRepeatedEntries("a=1; a=1; b=2", "; "), "a=1; a=1; b=2");
  EXPECT_EQ(DropRepeatedEntries("flag; flag; b=2", "; "), "flag; b=2");
  EXPECT_EQ(DropRepeatedEntries("; a=1; ", "; "), "; a=1");
  EXPECT_EQ(DropRepeatedEntries("", "; "), "");
}

}  // namespace
}  // namespace getlink
