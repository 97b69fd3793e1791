#include "app/Cloud360Flow.h"

#include <gtest/gtest.h>

#include "http/UrlDecoding.h"
#include "tests/app/FixturePageFiles.h"

namespace getlink {
namespace {

TEST(IsLongShareLink, HoldsLowerCaseLk) {
  EXPECT_TRUE(IsLongShareLink("http://c17.yunpan.360.cn/lk/surl_Qx7Yb2Zk"));
  EXPECT_FALSE(IsLongShareLink("http://yunpan.cn/Qx7Yb2Zk"));
  EXPECT_FALSE(IsLongShareLink("http://yunpan.cn/LK/Qx7Yb2Zk"));
}

TEST(ShortLinkTarget, LocationValueOfAWebAddressOnly) {
  EXPECT_EQ(ShortLinkTarget("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:81/lk/Qx?src=short\r\n"
                            "Content-Length: 0\r\n\r\n"),
            "http://127.0.0.1:81/lk/Qx?src=short");
  EXPECT_EQ(ShortLinkTarget("location: HTTPS://127.0.0.1/lk/Qx\r\n"), "HTTPS://127.0.0.1/lk/Qx");
  EXPECT_EQ(ShortLinkTarget("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"), "");
  EXPECT_EQ(ShortLinkTarget("Location: ftp://127.0.0.1/lk/Qx\r\n"), "");
  EXPECT_EQ(ShortLinkTarget("Location: file:///C:/boot.ini\r\n"), "");
  EXPECT_EQ(ShortLinkTarget("Location: /lk/Qx\r\n"), "");
  EXPECT_EQ(ShortLinkTarget("Location: http://127.0.0.1/lk/Qx\nX-Injected: 1\r\n"), "");
}

TEST(ShareSurl, TextAfterTheLastSlash) {
  EXPECT_EQ(ShareSurl("http://yunpan.cn/Qx7Yb2Zk"), "Qx7Yb2Zk");
  EXPECT_EQ(ShareSurl("http://c17.yunpan.360.cn/lk/surl_Qx7Yb2Zk#/"), "");
  EXPECT_EQ(ShareSurl("Qx7Yb2Zk"), "Qx7Yb2Zk");
  EXPECT_EQ(ShareSurl(""), "");
}

TEST(ShareNid, FromTheDecodedFixturePage) {
  const Text page = UrlDecode(testing::FixturePageUtf8("360"));
  EXPECT_EQ(ShareNid(page), "13718923744520577");
  EXPECT_EQ(ShareNid("var nid = 1;"), "");
}

TEST(DownloadApiUrl, SchemeHostAndPortOfTheLongLink) {
  EXPECT_EQ(DownloadApiUrl("http://127.0.0.1:8080/360/lk/Qx?src=short"), "http://127.0.0.1:8080/share/downloadfile/");
  EXPECT_EQ(DownloadApiUrl("https://c17.yunpan.360.cn/lk/Qx"), "https://c17.yunpan.360.cn/share/downloadfile/");
  EXPECT_EQ(DownloadApiUrl("http://c17.yunpan.360.cn?lk=Qx"), "http://c17.yunpan.360.cn/share/downloadfile/");
  EXPECT_EQ(DownloadApiUrl("http://user:pw@127.0.0.1:81/lk/Qx"), "http://127.0.0.1:81/share/downloadfile/");
}

TEST(DownloadApiUrl, NothingWithoutAWebLink) {
  EXPECT_EQ(DownloadApiUrl(""), "");
  EXPECT_EQ(DownloadApiUrl("ftp://127.0.0.1/lk/Qx"), "");
  EXPECT_EQ(DownloadApiUrl("127.0.0.1/lk/Qx"), "");
}

TEST(DownloadForm, SurlThenNid) {
  EXPECT_EQ(DownloadForm("Qx7Yb2Zk", "137"), "surl=Qx7Yb2Zk&nid=137");
  EXPECT_EQ(DownloadForm("Qx7Yb2Zk", ""), "surl=Qx7Yb2Zk&nid=");
}

TEST(AddressFromDownloadReply, EscapedSlashesBecomePlain) {
  EXPECT_EQ(AddressFromDownloadReply(R"({"errno":0,"data":{"downloadurl":"http:\/\/127.0.0.1:81\/360\/file\/1\/a%20b.docx?sign=a&t=1"}})"),
            "http://127.0.0.1:81/360/file/1/a%20b.docx?sign=a&t=1");
}

TEST(AddressFromDownloadReply, NoAddressGivesEmpty) {
  EXPECT_EQ(AddressFromDownloadReply(R"({"errno":3003,"errmsg":"share not found","data":[]})"), "");
  EXPECT_EQ(AddressFromDownloadReply(R"({"url":"http:"})"), "");  // the scheme alone
  EXPECT_EQ(AddressFromDownloadReply(R"({"url":"http:javascript"})"), "");  // no web link
  EXPECT_EQ(AddressFromDownloadReply("{\"url\":\"http:\\/\\/a\r\n\"}"), "");  // a line break inside
  EXPECT_EQ(AddressFromDownloadReply(R"({"url":"http:\/\/127.0.0.1\/)"), "");  // no closing quote
  EXPECT_EQ(AddressFromDownloadReply(""), "");
}

}  // namespace
}  // namespace getlink
