#include "http/UrlDecoding.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(Utf8ToGbk, ConvertsBytes) {
  EXPECT_EQ(Utf8ToGbk({0xE4, 0xB8, 0xAD}), (ByteSet{0xD6, 0xD0}));
  EXPECT_EQ(Utf8ToGbk({'a', 0, 'b'}), (ByteSet{'a', 0, 'b'}));
  EXPECT_EQ(Utf8ToGbk({}), ByteSet{});
}

TEST(UrlDecode, PercentEscapesOfEitherCase) {
  EXPECT_EQ(UrlDecode("%E4%B8%AD"), "\xD6\xD0");
  EXPECT_EQ(UrlDecode("%e4%b8%ad.txt"), "\xD6\xD0.txt");
  EXPECT_EQ(UrlDecode("a%2Fb%3a"), "a/b:");
}

TEST(UrlDecode, PlainTextPlusAndGbkPassThrough) {
  EXPECT_EQ(UrlDecode("a+b"), "a+b");
  EXPECT_EQ(UrlDecode("plain-ascii_1.zip"), "plain-ascii_1.zip");
  EXPECT_EQ(UrlDecode(""), "");
}

TEST(UrlDecode, BrokenEscapesAreKept) {
  EXPECT_EQ(UrlDecode("100%"), "100%");
  EXPECT_EQ(UrlDecode("50%2"), "50%2");
  EXPECT_EQ(UrlDecode("%zz%4"), "%zz%4");
  EXPECT_EQ(UrlDecode("%%41"), "%A");
  EXPECT_EQ(UrlDecode("a%00b"), "ab");
}

TEST(HostOfUrl, HostPortAndCase) {
  EXPECT_EQ(HostOfUrl("http://Yunpan.CN:8080/s/abc"), "yunpan.cn");
  EXPECT_EQ(HostOfUrl("http://Yunpan.CN:8080/s/abc", true), "yunpan.cn:8080");
  EXPECT_EQ(HostOfUrl("http://b.com"), "b.com");
  EXPECT_EQ(HostOfUrl("WWW.Host.Com:81"), "www.host.com");
  EXPECT_EQ(HostOfUrl(""), "");
}

TEST(HostOfUrl, OnlyHttpSchemeIsRecognised) {
  EXPECT_EQ(HostOfUrl("https://secure.com/x"), "https");
  EXPECT_EQ(HostOfUrl("https://secure.com/x", true), "https:");
  EXPECT_EQ(HostOfUrl("HTTP://a.com/x"), "http");
}

}  // namespace
}  // namespace getlink
