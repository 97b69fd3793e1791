// Rules against the stand-in share server: their requests over WinINet, and the example
// rules of the built-in services fetching what the compiled extractors fetch.
#include <gtest/gtest.h>

#include "app/FetchShare.h"
#include "app/ServiceRuleFiles.h"
#include "app/rules/WinInetRuleTransport.h"
#include "runtime/TextConvert.h"
#include "tests/app/FixturePages.h"
#include "tests/support/ShareServer.h"

namespace getlink {
namespace {

using testing::ServerUrl;

Text BodyText(const RuleResponse& response) { return ByteSetToText(response.body); }

TEST(WinInetRuleTransport, SendsWhatARuleAsksAndReadsWhatItNeeds) {
  WinInetRuleTransport transport;
  RuleRequest redirect;
  redirect.url = ServerUrl(
      "/answer?status=302&header=Location:%20/echo%3Fformat%3Dtext&header=Set-Cookie:%20a=1;%20path=/"
      "&header=Set-Cookie:%20b=2");
  redirect.followRedirects = false;
  RuleResponse answer = transport.Send(redirect);
  EXPECT_FALSE(answer.failure) << "a redirect asked for is no failure";
  EXPECT_EQ(answer.location, "/echo?format=text");
  EXPECT_EQ(answer.setCookies, (std::vector<Text>{"a=1; path=/", "b=2"}));

  redirect.followRedirects = true;
  answer = transport.Send(redirect);
  EXPECT_NE(BodyText(answer).find("GET /echo?format=text"), Text::npos) << BodyText(answer);
  EXPECT_EQ(BodyText(answer).find("Cookie:"), Text::npos) << "WinINet's own cookie store stays out";

  RuleRequest post;
  post.method = "POST";
  post.url = ServerUrl("/echo?format=text");
  post.headers = {{"Referer", "http://r/"}, {"Cookie", "c=3; d=4"}};
  post.body = "pwd=a%20b&vcode=";
  const Text echoed = BodyText(transport.Send(post));
  for (const char* expected : {"POST /echo?format=text", "Content-Type: application/x-www-form-urlencoded",
                               "Referer: http://r/", "Cookie: c=3; d=4", "pwd=a%20b&vcode="})
    EXPECT_NE(echoed.find(expected), Text::npos) << expected << " in\n" << echoed;

  RuleRequest missing;
  missing.url = ServerUrl("/status/404");
  answer = transport.Send(missing);
  ASSERT_TRUE(answer.failure);
  EXPECT_EQ(*answer.failure, FetchFailure(FailureKind::HttpStatus, 404));
  EXPECT_FALSE(answer.body.empty()) << "an error page is still read";
}

TEST(RuleFetch, ExampleRulesFetchWhatTheExtractorsFetch) {
  const ServiceCatalog builtIns;
  std::vector<FileFault> faults;
  const ServiceCatalog rules = LoadServiceCatalog(GETLINK_SERVICES_DIR, "examples", faults);
  EXPECT_TRUE(faults.empty());
  ASSERT_EQ(rules.Entries().size(), builtIns.Entries().size());
  const Text refused = "http://127.0.0.1:" + std::to_string(testing::RefusedPort());
  for (std::size_t i = 0; i < builtIns.Entries().size(); ++i) {
    const ServiceEntry& builtIn = builtIns.Entries()[i];
    const ServiceEntry& rule = rules.Entries()[i];
    SCOPED_TRACE(builtIn.name);
    ASSERT_TRUE(rule.rule);
    EXPECT_EQ(rule.name, builtIn.name);
    EXPECT_EQ(rule.title, builtIn.title);
    EXPECT_EQ(rule.AddressOnly(), builtIn.AddressOnly());
    const std::string path = builtIn.name == "360" ? "/360/s/Qx7Yb2Zk" : testing::FixtureLinkPath(builtIn.name);
    std::vector<std::pair<Text, Text>> links = {{ServerUrl(path), ""}, {refused + path, ""}};
    if (builtIn.name == "baidu") {  // private shares: opened, a wrong code, no code
      for (const char* code : {"x7k2", "nope", ""}) links.emplace_back(ServerUrl("/baidu/s/1PrivAte9"), code);
    }
    for (const auto& [link, code] : links) {
      SCOPED_TRACE(link + " " + code);
      const bool privateShare = link.find("/s/1PrivAte9") != Text::npos;
      testing::ClearServerRecord();
      ShareInfo compiled;
      const std::optional<FetchFailure> compiledFailure = FetchShare(builtIn, link, code, compiled);
      const std::vector<Text> compiledRequests = testing::RecordedRequests();
      testing::ClearServerRecord();
      ShareInfo fromRule;
      const std::optional<FetchFailure> ruleFailure = FetchShare(rule, link, code, fromRule);
      testing::ExpectShareInfo(fromRule, compiled);
      // The compiled 360云盘 extractor's requests go through the WinHttp object, which
      // keeps the reason of a failure to itself; a rule's say it. A private share's reasons
      // are the rule's own words.
      if (builtIn.builtIn != Service::Cloud360 && !privateShare) EXPECT_EQ(ruleFailure, compiledFailure);
      EXPECT_EQ(ruleFailure.has_value(), compiledFailure.has_value());
      const std::vector<Text> ruleRequests = testing::RecordedRequests();
      ASSERT_EQ(ruleRequests.size(), compiledRequests.size());
      for (std::size_t i = 0; i < ruleRequests.size(); ++i)  // the verify's time may differ
        EXPECT_EQ(ruleRequests[i].substr(0, ruleRequests[i].find("&t=")),
                  compiledRequests[i].substr(0, compiledRequests[i].find("&t=")));
    }
  }
}

}  // namespace
}  // namespace getlink
