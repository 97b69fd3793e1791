// The five share-page parsers on the stand-in server's fixture pages and on pages that
// lack or garble the parts they look for.
#include "app/SharePages.h"

#include <gtest/gtest.h>

#include "tests/app/FixturePages.h"

namespace getlink {
namespace {

using testing::ExpectedFixtureInfo;
using testing::ExpectShareInfo;
using testing::FixturePage;

// The page with every `from` replaced (the test fails when there is none).
Text Edited(Text page, std::string_view from, std::string_view to) {
  EXPECT_NE(page.find(from), Text::npos) << "the page does not hold " << from;
  for (auto at = page.find(from); at != Text::npos; at = page.find(from, at + to.size()))
    page.replace(at, from.size(), to);
  return page;
}

// The fixture's fields, but no address.
void ExpectNoAddressOnly(const ShareInfo& actual, std::string_view service) {
  ShareInfo expected = ExpectedFixtureInfo(service);
  expected.address.clear();
  ExpectShareInfo(actual, expected);
}

int Count(std::string_view text, std::string_view what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SharePages, FixturePagesGiveEveryField) {
  for (const char* service : {"baidu", "weiyun", "vdisk", "qiannao", "weipan"})
    ASSERT_FALSE(testing::FixturePageUtf8(service).empty()) << "cannot read the page of " << service;
  ExpectShareInfo(ParseBaiduPage(FixturePage("baidu")), ExpectedFixtureInfo("baidu"));
  ExpectShareInfo(ParseWeiyunPage(FixturePage("weiyun")), ExpectedFixtureInfo("weiyun"));
  ExpectShareInfo(ParseVdiskPage(FixturePage("vdisk")), ExpectedFixtureInfo("vdisk"));
  ExpectShareInfo(ParseQiannaoPage(FixturePage("qiannao")), ExpectedFixtureInfo("qiannao"));
  ExpectShareInfo(ParseWeipanPage(FixturePage("weipan")), ExpectedFixtureInfo("weipan"));
}

TEST(SharePages, EmptyPageGivesOnlyTheFixedTexts) {
  ExpectShareInfo(ParseBaiduPage(""), ShareInfo{});
  ExpectShareInfo(ParseWeiyunPage(""), ShareInfo{});
  ExpectShareInfo(ParseVdiskPage(""), ShareInfo{});
  ShareInfo qiannao;
  qiannao.downloadCount = "No";
  ExpectShareInfo(ParseQiannaoPage(""), qiannao);
  ShareInfo weipan;
  weipan.shareTime = "No";
  ExpectShareInfo(ParseWeipanPage(""), weipan);
}

TEST(SharePages, AddressHoldingAControlCharacterIsNoAddress) {
  struct Case {
    const char* service;
    ShareInfo (*parse)(std::string_view page);
    const char* inAddress;
  };
  const Case cases[] = {
      {"baidu", ParseBaiduPage, "Zx8%2BqWm"},   {"weiyun", ParseWeiyunPage, "9f8e7d6c5b4a"},
      {"vdisk", ParseVdiskPage, "9f3a6c2e"},    {"qiannao", ParseQiannaoPage, "a1b2c3d4"},
      {"weipan", ParseWeipanPage, "Ab%2Fcd3EfGh"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.service);
    for (const char* control : {"\r\n", "\t", "\x01", "\x7F"})
      ExpectNoAddressOnly(c.parse(Edited(FixturePage(c.service), c.inAddress, control)), c.service);
  }
}

// --- Baidu ---------------------------------------------------------------------------

TEST(BaiduPage, UsesTheLastDlinkUpToTheFirstShAfterIt) {
  const Text page =
      "x=\"{\\\"dlink\\\":\\\"http:\\\\/\\\\/a\\\\/first&sh=1\\\"}\";"
      "y=\"{\\\"dlink\\\":\\\"http:\\\\/\\\\/b\\\\/second?k=v&sh=1&sign=z&sh=1\\\"}\";";
  EXPECT_EQ(ParseBaiduPage(page).address, "http://b/second?k=v&sh=1");
  // The fixture page also lists a thumbnail's dlink before the file's own.
  EXPECT_EQ(Count(FixturePage("baidu"), "dlink"), 2);
}

TEST(BaiduPage, MarkerAndShMatchInAnyCase) {
  EXPECT_EQ(ParseBaiduPage("\\\"DLink\\\":\\\"http:\\\\/\\\\/h\\\\/f?a=1&SH=1&z\\\"").address,
            "http://h/f?a=1&sh=1");
}

TEST(BaiduPage, RemovesBackslashPairsOnly) {
  EXPECT_EQ(ParseBaiduPage("\\\"dlink\\\":\\\"http:\\\\/\\\\/h\\\\/a\\b\\\\\\c&sh=1").address,
            "http://h/a\\b\\c&sh=1");
}

TEST(BaiduPage, NoAddressWithoutADlinkAndAShAfterIt) {
  // "&sh=1" only before the last marker.
  EXPECT_EQ(ParseBaiduPage("\\\"dlink\\\":\\\"http://a&sh=1\\\" \\\"dlink\\\":\\\"http://b?x=1\\\"").address, "");
  // No marker at all, though the page holds an "&sh=1".
  ExpectNoAddressOnly(ParseBaiduPage(Edited(FixturePage("baidu"), "dlink", "thumb")), "baidu");
  EXPECT_EQ(ParseBaiduPage("0123456789http://x/y&sh=1").address, "");
  // A dlink whose value is empty.
  EXPECT_EQ(ParseBaiduPage("\\\"dlink\\\":\\\"&sh=1\\\"").address, "");
  EXPECT_EQ(ParseBaiduPage("\\\"dlink\\\":\\\"javascript:alert(1)&sh=1\\\"").address, "");  // no web link
}

TEST(BaiduPage, MissingMarkerEmptiesItsOwnFieldsOnly) {
  // Without the blank before the sharer label, the size has no right marker; the sharer
  // still has both of its own.
  const ShareInfo info = ParseBaiduPage(Edited(FixturePage("baidu"), "2.35M 分享者:", "2.35M分享者:"));
  EXPECT_EQ(info.size, "");
  EXPECT_EQ(info.sharer, "云端漫步者");
  EXPECT_EQ(info.name, "毕业设计 终稿.docx");
  EXPECT_EQ(info.address, ExpectedFixtureInfo("baidu").address);
  // The description must end in a CR right after its "/>".
  EXPECT_EQ(ParseBaiduPage(Edited(FixturePage("baidu"), "name=\"description\"/>\r\n", "name=\"description\"/>\n"))
                .downloadCount,
            "");
}

// --- Weiyun --------------------------------------------------------------------------

TEST(WeiyunPage, AddressEndsWithTheTitleNameInGbk) {
  const ShareInfo info = ParseWeiyunPage(FixturePage("weiyun"));
  const Text tail = "/?fname=2013\xC4\xEA\xB6\xC8\xB1\xA8\xB8\xE6\xA3\xA8\xD6\xD5\xB8\xE5\xA3\xA9.pdf";
  ASSERT_GE(info.address.size(), tail.size());
  EXPECT_EQ(info.address.substr(info.address.size() - tail.size()), tail);
  EXPECT_EQ(info.address.find('%'), Text::npos);
}

TEST(WeiyunPage, NoAddressWithoutTheEncryptedKey) {
  ExpectNoAddressOnly(ParseWeiyunPage(Edited(FixturePage("weiyun"), "dl_encrypt_url", "dl_url")), "weiyun");
}

// --- Vdisk ---------------------------------------------------------------------------

TEST(VdiskPage, UploaderWithoutLinkGivesNoSharerButTheOtherFields) {
  Text page = FixturePage("vdisk");
  page = Edited(page, "<a href=\"http://vdisk.cn/user/xuehaiwuya\" target=\"_blank\">学海无涯</a>", "学海无涯");
  ShareInfo expected = ExpectedFixtureInfo("vdisk");
  expected.sharer = "";
  ExpectShareInfo(ParseVdiskPage(page), expected);
  // An opening tag without its closing one.
  EXPECT_EQ(ParseVdiskPage(Edited(FixturePage("vdisk"), "学海无涯</a>", "学海无涯")).sharer, "");
}

TEST(VdiskPage, LineBreaksMustBeFollowedByExactlyFourTabs) {
  const ShareInfo info = ParseVdiskPage(Edited(FixturePage("vdisk"), "\r\n\t\t\t\t上传日期", "\r\n\t\t\t上传日期"));
  EXPECT_EQ(info.size, "");
  EXPECT_EQ(info.shareTime, "2012-11-03");
}

TEST(VdiskPage, NoAddressWithoutTheDownloadLink) {
  ExpectNoAddressOnly(ParseVdiskPage(Edited(FixturePage("vdisk"), "智能线路下载", "普通下载")), "vdisk");
}

// --- Qiannao -------------------------------------------------------------------------

TEST(QiannaoPage, NoAddressWithoutTheMobileDownloadBlock) {
  ExpectNoAddressOnly(ParseQiannaoPage(Edited(FixturePage("qiannao"), "移动多线下载地址", "下载地址")), "qiannao");
}

TEST(QiannaoPage, NoAddressWhenTheLinkHasNoClickHandler) {
  const Text page = Edited(FixturePage("qiannao"), "\" onclick=", "\" data-x=");
  ExpectNoAddressOnly(ParseQiannaoPage(page), "qiannao");
}

// --- Weipan --------------------------------------------------------------------------

TEST(WeipanPage, AddressHasPlainSlashesAndOneFn) {
  const ShareInfo info = ParseWeipanPage(FixturePage("weipan"));
  EXPECT_EQ(info.address.find('\\'), Text::npos);
  EXPECT_EQ(Count(info.address, "fn="), 1);
  EXPECT_EQ(info.address.rfind(WeipanFilePrefix(), 0), 0u);
}

TEST(WeipanPage, NoAddressWithoutTheFileUrlUpToFn) {
  // The file host's marker missing.
  ExpectNoAddressOnly(ParseWeipanPage(Edited(FixturePage("weipan"), "\"url\":\"http:", "\"src\":\"http:")), "weipan");
  // An "fn=" earlier in the page ends the cut before it starts.
  const Text earlyFn = Edited(FixturePage("weipan"), "var $CONFIG = {};", "var $CONFIG = {fn:1}; // ?fn=1");
  EXPECT_EQ(ParseWeipanPage(earlyFn).address, "");
}

TEST(WeipanPage, SharerAndCountNeedTheirEndMarks) {
  // The uploader's snippet runs up to the first quote after alt=": a link without a
  // title attribute has none before the marker, and no sharer.
  EXPECT_EQ(ParseWeipanPage(Edited(FixturePage("weipan"), " title=\"考试达人\"", "")).sharer, "");
  EXPECT_EQ(ParseWeipanPage(Edited(FixturePage("weipan"), "2391次</div>", "2391</div>")).downloadCount, "");
  EXPECT_EQ(ParseWeipanPage(Edited(FixturePage("weipan"), "2391次</div>", "2391次</DIV>")).downloadCount, "2391");
}

}  // namespace
}  // namespace getlink
