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

TEST(UrlForRequest, CharactersBeyondAsciiBlanksAndControlsPercentEncoded) {
  EXPECT_EQ(UrlForRequest("http://127.0.0.1/baidu/s/1a?fn=测试文件"),
            "http://127.0.0.1/baidu/s/1a?fn=%E6%B5%8B%E8%AF%95%E6%96%87%E4%BB%B6");
  // 癨 is B0 5C in GBK: its second byte goes out as part of the character, not as a "\".
  EXPECT_EQ(UrlForRequest("http://a/癨"), "http://a/%E7%99%A8");
  EXPECT_EQ(UrlForRequest("http://a/b c\td\r\n\x7F"), "http://a/b%20c%09d%0D%0A%7F");
  EXPECT_EQ(UrlForRequest("https://a:8/%E4%b8?q=a+b&r=~#top"), "https://a:8/%E4%b8?q=a+b&r=~#top");
  EXPECT_EQ(UrlForRequest(""), "");
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
