#include "app/ShareLink.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(TrimLink, RemovesBlanksAndLineBreaksAroundOnly) {
  EXPECT_EQ(TrimLink(" \t\r\nhttp://a/b c?d=文件\r\n \t"), "http://a/b c?d=文件");
  EXPECT_EQ(TrimLink("http://a/b"), "http://a/b");
  EXPECT_EQ(TrimLink(" \r\n\t "), "");
  EXPECT_EQ(TrimLink(""), "");
  // The last byte of a double-byte character is never a blank.
  EXPECT_EQ(TrimLink("http://a/文 "), "http://a/文");
}

TEST(IsWebLink, HttpAndHttpsWithSomethingAfterTheScheme) {
  EXPECT_TRUE(IsWebLink("http://pan.baidu.com/s/1abc"));
  EXPECT_TRUE(IsWebLink("HTTPS://x"));
  EXPECT_FALSE(IsWebLink("http://"));
  EXPECT_FALSE(IsWebLink("https:/x"));
  EXPECT_FALSE(IsWebLink("ftp://127.0.0.1/x"));
  EXPECT_FALSE(IsWebLink("file:///c:/windows/win.ini"));
  EXPECT_FALSE(IsWebLink("pan.baidu.com/s/1abc"));
  EXPECT_FALSE(IsWebLink(" http://x"));
  EXPECT_FALSE(IsWebLink(""));
}

TEST(IsWebLink, NoControlCharacterAnywhere) {
  EXPECT_TRUE(IsWebLink("http://a/b c?d=文件"));
  for (const char* link : {"http://a/b\r\nX-Injected: 1", "http://a/\nb", "http://a\tb", "http://a/\x01", "http://a/\x7F"})
    EXPECT_FALSE(IsWebLink(link)) << link;
}

// The host and port of web links only, and the link as it may be shown, without the user
// name and password that can hold a secret.
TEST(LinkHost, HostPortAndShownLinkOfWebLinksOnly) {
  const struct {
    const char* link;
    const char* host;
    const char* port;
    const char* shown;
  } cases[] = {
      {"http://Pan.Baidu.COM/s/1", "pan.baidu.com", "", "http://Pan.Baidu.COM/s/1"},
      {"https://user:pw@yunpan.cn.:8080?x=1", "yunpan.cn", "8080", "https://yunpan.cn.:8080?x=1"},
      {"http://token:a@b@127.0.0.1:6800/jsonrpc", "127.0.0.1", "6800", "http://127.0.0.1:6800/jsonrpc"},
      {"http://[::1]:81/x", "[::1]", "81", "http://[::1]:81/x"},
      {"http://a.cn#x@b.cn", "a.cn", "", "http://a.cn#x@b.cn"},
      {"http://a.cn/p?u=x@y", "a.cn", "", "http://a.cn/p?u=x@y"},
      {"ftp://u:p@a.cn/x", "", "", "ftp://u:p@a.cn/x"},
      {"a.cn:80/x", "", "", "a.cn:80/x"},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(LinkHost(entry.link), entry.host) << entry.link;
    EXPECT_EQ(LinkPort(entry.link), entry.port) << entry.link;
    EXPECT_EQ(LinkWithoutUserInfo(entry.link), entry.shown) << entry.link;
  }
}

TEST(ResolveLink, LocationsAsABrowserFollowsThem) {
  const struct {
    const char* base;
    const char* location;
    const char* resolved;
  } cases[] = {
      {"http://h:8/s/1x?a=1", "HTTPS://o/p", "HTTPS://o/p"},
      {"https://h:8/s/1x?a=1", "//o/p", "https://o/p"},
      {"http://h:8/s/1x?a=1", "/share/init?surl=x", "http://h:8/share/init?surl=x"},
      {"http://h:8/s/1x?a=/b", "init?surl=x", "http://h:8/s/init?surl=x"},
      {"http://h:8?a=1", "p", "http://h:8/p"},
      {"http://h/s/1", "file:///c:/windows/win.ini", ""},
      {"http://h/s/1", "javascript:x", ""},
      {"http://h/s/1", "http://o/p\t", ""},  // a control character: no link
      {"http://h/s/1", "", ""},
      {"ftp://h/s/1", "/p", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveLink(c.base, c.location), c.resolved) << c.base << " " << c.location;
}

}  // namespace
}  // namespace getlink
