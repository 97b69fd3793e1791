// Running rules against a transport that answers from a table: the requests a rule makes,
// the values it passes between steps, and why it gives no address.
#include "app/rules/RuleRunner.h"

#include <gtest/gtest.h>

#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "tests/app/rules/RuleFixtures.h"

namespace getlink {
namespace {

using testing::BodyAnswer;
using testing::RuleFromText;
using testing::TableTransport;

std::string Rule(std::string_view steps, std::string_view address = "{address}") {
  return ConcatTexts(R"({"service": "s", "title": "T", "steps": [)", steps, R"(], "result": {"address": ")",
                     address, R"("}})");
}

Text HeaderOf(const RuleRequest& request, std::string_view name) {
  for (const auto& [key, value] : request.headers) {
    if (key == name) return value;
  }
  return "(none)";
}

// A private share as such services play it: the link redirects to a code page, which takes
// the code by POST and answers with a cookie; the link then gives the page.
TEST(RuleRunner, CarriesLocationsCookiesHeadersAndFormsAcrossRequests) {
  const ServiceRule rule = RuleFromText(Rule(R"(
      {"urlencode": "code", "as": "pwd"},
      {"get": "{link}", "location": "codePage", "as": "first"},
      {"post": "{codePage}&t={time}", "form": "pwd={pwd}&vcode=", "headers": {"Referer": "{codePage}\r\nX: 1"}, "as": "reply"},
      {"json": "reply", "path": "errno", "as": "errno"},
      {"fail": "code {errno} is wrong", "if": "errno", "is": "-9"},
      {"get": "{link}", "as": "page"},
      {"cut": "page", "from": "href=\"", "to": "\"", "as": "address"})"));
  for (const char* errno_ : {"0", "-9"}) {
    SCOPED_TRACE(errno_);
    TableTransport transport([&](const RuleRequest& request) {
      RuleResponse response;
      if (request.method == "POST") {
        response = BodyAnswer(ConcatTexts("{\"errno\":", errno_, "}"));
        response.setCookies = {"BDCLND=abc; path=/; domain=.h"};
      } else if (!request.followRedirects) {
        response.location = "/share/init?surl=x";
        response.setCookies = {"BAIDUID=1; path=/"};
      } else {
        response = BodyAnswer("<a href=\"http://dl.h/f\">");
      }
      return response;
    });
    const RuleOutcome outcome = RunServiceRule(rule, {"  http://h/s/1x\r\n", "a 中", 1234}, transport);
    ASSERT_GE(transport.requests.size(), 2u);
    EXPECT_EQ(transport.requests[0].url, "http://h/s/1x");
    EXPECT_FALSE(transport.requests[0].followRedirects);
    const RuleRequest& verify = transport.requests[1];
    EXPECT_EQ(verify.url, "http://h/share/init?surl=x&t=1234");
    EXPECT_EQ(verify.body, "pwd=a%20%E4%B8%AD&vcode=");
    EXPECT_EQ(HeaderOf(verify, "Referer"), "http://h/share/init?surl=xX: 1") << "line breaks removed";
    EXPECT_EQ(HeaderOf(verify, "Cookie"), "BAIDUID=1");
    if (std::string_view(errno_) == "0") {
      ASSERT_EQ(transport.requests.size(), 3u);
      EXPECT_EQ(HeaderOf(transport.requests[2], "Cookie"), "BDCLND=abc; BAIDUID=1");
      EXPECT_EQ(outcome.info.address, "http://dl.h/f");
      EXPECT_FALSE(outcome.failure);
    } else {
      EXPECT_EQ(transport.requests.size(), 2u) << "a fail step ends the run";
      EXPECT_EQ(outcome.info.address, "");
      ASSERT_TRUE(outcome.failure);
      EXPECT_EQ(outcome.failure->kind, FailureKind::RuleFailed);
      EXPECT_EQ(outcome.failure->text, "code -9 is wrong");
    }
  }
}

TEST(RuleRunner, ConditionsTestValuesAndTheirContents) {
  struct Case_ {
    const char* condition;
    bool runs;
  };
  const Case_ cases[] = {
      {R"("if": "code")", true},          {R"("unless": "code")", false},
      {R"("if": "code", "is": "ab")", true},  {R"("unless": "code", "is": "ab")", false},
      {R"("if": "code", "is": "a")", false}, {R"("if": "link", "has": "lk")", true},
      {R"("unless": "link", "has": "lk")", false}, {R"("if": "link", "has": "LK")", false},
  };
  for (const Case_& c : cases) {
    SCOPED_TRACE(c.condition);
    const ServiceRule rule = RuleFromText(Rule(ConcatTexts(
        R"({"text": "http://a/no", "as": "address"}, {"text": "http://a/yes", "as": "address", )", c.condition, "}")));
    TableTransport transport([](const RuleRequest&) { return RuleResponse(); });
    EXPECT_EQ(RunServiceRule(rule, {"http://h/lk/1", "ab"}, transport).info.address,
              c.runs ? "http://a/yes" : "http://a/no");
  }
}

TEST(RuleRunner, SaysWhyThereIsNoAddress) {
  struct Case_ {
    const char* name;
    std::string steps;
    std::string address;
    RuleResponse answer;
    std::size_t requests;
    FetchFailure failure;
  };
  RuleResponse refused;
  refused.failure = FetchFailure(FailureKind::ConnectionRefused);
  const auto stopped = [](FailureKind kind, int step, const char* what) {
    FetchFailure failure(kind);
    failure.rule = "test.json";
    failure.step = step;
    failure.text = what;
    return failure;
  };
  std::string doubling = R"({"text": "0123456789abcdef", "as": "x"})";
  for (int i = 0; i < 20; ++i) doubling += R"(, {"text": "{x}{x}", "as": "x"})";
  const Case_ cases[] = {
      {"the marker is missing", R"({"get": "{link}", "as": "page"}, {"cut": "page", "from": "<a>", "as": "cut"},
                                  {"text": "{cut}&sh=1", "as": "address"})",
       "{address}", BodyAnswer("<b>"), 1, stopped(FailureKind::RuleStopped, 2, "cut cut")},
      {"the download failed, later steps ran", R"({"get": "{link}", "as": "page"}, {"get": "{link}", "as": "again"})",
       "{page}", refused, 2, FetchFailure(FailureKind::ConnectionRefused)},
      {"a file: address is never asked", R"({"get": "file:///c:/windows/win.ini", "as": "page"})", "{page}",
       BodyAnswer("x"), 0, FetchFailure(FailureKind::NotWebLink)},
      {"an empty address ends the run", R"({"cut": "link", "from": "#", "as": "next"}, {"get": "{next}", "as": "page"},
                                           {"get": "{link}", "as": "late"})",
       "{page}", BodyAnswer("x"), 0, stopped(FailureKind::RuleStopped, 1, "cut next")},
      {"a value grows without bound", doubling, "{x}", BodyAnswer(""), 0,
       stopped(FailureKind::RuleValueTooLong, 21, "text x")},
      {"the address is no web address", R"({"text": "ftp://x/y", "as": "address"})", "{address}", BodyAnswer(""), 0,
       stopped(FailureKind::RuleStopped, 0, "")},
  };
  for (const Case_& c : cases) {
    SCOPED_TRACE(c.name);
    const ServiceRule rule = RuleFromText(Rule(c.steps, c.address));
    TableTransport transport([&c](const RuleRequest&) { return c.answer; });
    const RuleOutcome outcome = RunServiceRule(rule, {"http://h/s/1"}, transport);
    EXPECT_EQ(transport.requests.size(), c.requests);
    EXPECT_EQ(outcome.info.address, "");
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(*outcome.failure, c.failure) << DescribeFailure(*outcome.failure, Wording::English);
  }
}

TEST(RuleRunner, ReadsJsonValuesByTheirPath) {
  const ServiceRule rule = RuleFromText(Rule(R"(
      {"get": "{link}", "as": "reply"},
      {"json": "reply", "path": "data.list[1].url", "as": "address"},
      {"json": "reply", "path": "data.list[0]", "as": "object"},
      {"json": "reply", "path": "errno", "as": "number"},
      {"json": "reply", "path": "data.name", "as": "name"},
      {"json": "reply", "path": "data.list[7].url", "as": "missing"})"));
  TableTransport transport([](const RuleRequest&) {
    return BodyAnswer(GbkToUtf8(
        R"({"errno":-62,"data":{"name":"\u6587\u4ef6 名","list":[{"url":1},{"url":"http:\/\/x\/f?a=1&b=\"2\""}]}})"));
  });
  std::vector<Text> values;
  RunServiceRule(rule, {"http://h/"}, transport, [&values](const RuleStepReport& report) {
    values.push_back(report.value ? *report.value : "-");
  });
  const std::vector<Text> expected = {values[0], "http://x/f?a=1&b=\"2\"", "", "-62", "文件 名", ""};
  EXPECT_EQ(values, expected);
}

}  // namespace
}  // namespace getlink
