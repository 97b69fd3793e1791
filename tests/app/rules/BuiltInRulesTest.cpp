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
// the share's nid; the download API answers the address. The rule asks what the extractor
// asks and finds what it finds, also where the redirect leads nowhere it can follow.
TEST(BuiltInRules, Cloud360AsksWhatItsExtractorAsks) {
  const ServiceRule rule = testing::BuiltInRule("360");
  EXPECT_TRUE(rule.AddressOnly());
  const Text reply = R"({"errno":0,"errmsg":"","data":{"downloadurl":"http:\/\/127.0.0.1:1\/360\/file\/13718923744520577\/f.docx?sign=a"}})";
  const Text longLink = "http://127.0.0.1:1/360/lk/Qx7Yb2Zk";
  const struct {
    Text link;
    Text location;  // where the short link redirects
    std::size_t requests;
  } cases[] = {
      {"http://127.0.0.1:1/360/s/Qx7Yb2Zk", longLink + "?src=short", 3},
      {longLink, "", 2},
      {"http://127.0.0.1:1/360/s/Qx7Yb2Zk", longLink + "?src=short\t", 1},  // no web link: nothing more
      {"http://127.0.0.1:1/360/s/Qx7Yb2Zk", "file:///c:/x/lk", 1},
      {"http://127.0.0.1:1/360/s/Qx7Yb2Zk", "", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link + " -> " + c.location);
    TableTransport transport([&](const RuleRequest& request) {
      RuleResponse response;
      if (!request.followRedirects) {
        response.location = c.location;
      } else if (request.url.find("/360/lk/") != Text::npos) {
        response = BodyAnswer(testing::FixturePageUtf8("360"));
      } else {
        response = BodyAnswer(reply);
      }
      return response;
    });
    Cloud360Requests asked;
    asked.resolve = [&](const Text&) { return ConcatTexts("Location: ", c.location, "\r\n"); };
    asked.getPage = [&](const Text&) { return Text(testing::FixturePageUtf8("360")); };
    asked.post = [&](const Text&, const Text&) { return reply; };
    const Text expected = Fetch360Address(c.link, asked);
    const RuleOutcome outcome = RunServiceRule(rule, {c.link}, transport);
    EXPECT_EQ(outcome.info.address, expected);
    ASSERT_EQ(transport.requests.size(), c.requests);
    if (c.requests < 2) continue;
    EXPECT_EQ(outcome.info.address, "http://127.0.0.1:1/360/file/13718923744520577/f.docx?sign=a");
    if (c.requests == 3) {
      EXPECT_EQ(transport.requests[0].method, "POST");
      EXPECT_FALSE(transport.requests[0].followRedirects);
    }
    const RuleRequest& api = transport.requests.back();
    EXPECT_EQ(api.method, "POST");
    EXPECT_EQ(api.url, DownloadApiUrl(longLink));
    EXPECT_EQ(api.body, DownloadForm("Qx7Yb2Zk", "13718923744520577"));
  }
}

}  // namespace
}  // namespace getlink
