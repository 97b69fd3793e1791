// The built-in services' rule files give, field for field, what the compiled extractors give:
// on the stand-in server's pages and on those pages cut short anywhere.
#include <gtest/gtest.h>

#include "app/Cloud360Flow.h"
#include "app/SharePages.h"
#include "app/rules/RuleRunner.h"
#include "runtime/TextConvert.h"
#include "tests/app/FixturePages.h"
#include "tests/app/rules/RuleFixtures.h"

namespace getlink {
namespace {

using testing::BodyAnswer;
using testing::TableTransport;

using Parser = ShareInfo (*)(std::string_view);

struct PageService {
  const char* service;
  Parser parse;
};
const PageService kPageServices[] = {
    {"baidu", ParseBaiduPage}, {"weiyun", ParseWeiyunPage},   {"vdisk", ParseVdiskPage},
    {"qiannao", ParseQiannaoPage}, {"weipan", ParseWeipanPage},
};

TEST(BuiltInRules, PageServicesCutWhatTheirExtractorsCut) {
  for (const PageService& entry : kPageServices) {
    SCOPED_TRACE(entry.service);
    const ServiceRule rule = testing::BuiltInRule(entry.service);
    const std::string page = testing::FixturePageUtf8(entry.service);
    ASSERT_FALSE(page.empty());
    const Text link = "http://127.0.0.1:1" + testing::FixtureLinkPath(entry.service);
    // The whole page, then the page cut short at 32 places, each losing some markers.
    for (std::size_t cut = page.size(), k = 0; k <= 32; cut = page.size() * k / 32, ++k) {
      const std::string served = page.substr(0, cut);
      TableTransport transport([&served](const RuleRequest&) { return BodyAnswer(served); });
      const RuleOutcome outcome = RunServiceRule(rule, {link}, transport);
      testing::ExpectShareInfo(outcome.info, entry.parse(PageToGbk(ByteSet(served.begin(), served.end()))));
      ASSERT_EQ(transport.requests.size(), 1u);
      EXPECT_EQ(transport.requests[0].method, "GET");
      EXPECT_EQ(transport.requests[0].url, link);
      EXPECT_TRUE(transport.requests[0].headers.empty());
      if (cut == page.size()) testing::ExpectShareInfo(outcome.info, testing::ExpectedFixtureInfo(entry.service));
      if (HasFailure()) return;
    }
  }
}

// The stand-in server's 360云盘: a short link redirects to the long link, whose page names
// the share's nid; the download API answers the address.
TEST(BuiltInRules, Cloud360AsksWhatItsExtractorAsks) {
  const ServiceRule rule = testing::BuiltInRule("360");
  EXPECT_TRUE(rule.AddressOnly());
  const Text reply = R"({"errno":0,"errmsg":"","data":{"downloadurl":"http:\/\/127.0.0.1:1\/360\/file\/13718923744520577\/f.docx?sign=a"}})";
  for (const char* link : {"http://127.0.0.1:1/360/s/Qx7Yb2Zk", "http://127.0.0.1:1/360/lk/Qx7Yb2Zk"}) {
    SCOPED_TRACE(link);
    TableTransport transport([&](const RuleRequest& request) {
      RuleResponse response;
      if (request.url.find("/360/s/") != Text::npos) {
        response.location = "http://127.0.0.1:1/360/lk/Qx7Yb2Zk?src=short";
      } else if (request.url.find("/360/lk/") != Text::npos) {
        response = BodyAnswer(testing::FixturePageUtf8("360"));
      } else {
        response = BodyAnswer(reply);
      }
      return response;
    });
    const RuleOutcome outcome = RunServiceRule(rule, {link}, transport);
    EXPECT_EQ(outcome.info.address, AddressFromDownloadReply(reply));
    EXPECT_EQ(outcome.info.address, "http://127.0.0.1:1/360/file/13718923744520577/f.docx?sign=a");
    const bool shortLink = Text(link).find("/s/") != Text::npos;
    ASSERT_EQ(transport.requests.size(), shortLink ? 3u : 2u);
    if (shortLink) {
      EXPECT_EQ(transport.requests[0].method, "POST");
      EXPECT_FALSE(transport.requests[0].followRedirects);
    }
    const RuleRequest& api = transport.requests.back();
    EXPECT_EQ(api.method, "POST");
    EXPECT_EQ(api.url, DownloadApiUrl("http://127.0.0.1:1/360/lk/Qx7Yb2Zk"));
    EXPECT_EQ(api.body, DownloadForm("Qx7Yb2Zk", "13718923744520577"));
  }
}

}  // namespace
}  // namespace getlink
