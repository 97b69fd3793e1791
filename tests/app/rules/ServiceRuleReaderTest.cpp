// Reading rule files: what a usable file gives, and for every kind of unusable file the line
// and the fault, never a crash or a hang (hostile files too).
#include "app/rules/ServiceRuleReader.h"

#include <gtest/gtest.h>

#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "tests/app/rules/RuleFixtures.h"

namespace getlink {
namespace {

// A usable rule with `steps` as its steps (one per line after the first two lines).
std::string RuleWith(std::string_view steps, std::string_view result = R"({"address": "{page}"})") {
  return ConcatTexts("{\"service\": \"s\", \"title\": \"T\",\n\"steps\": [\n", steps, "\n],\n\"result\": ", result,
                     "}");
}

TEST(ServiceRuleReader, ReadsNamesHostsStepsAndResult) {
  // The file is UTF-8; this source's literals are GBK.
  const ServiceRule rule = testing::RuleFromText("\xEF\xBB\xBF" + GbkToUtf8(
      "// a comment\n"
      "{\"service\": \"my-pan2\", \"title\": \"我的网盘\", \"hosts\": [\"Pan.Example.com\", \"x.cn:8080\"],\n"
      " \"steps\": [{\"get\": \"{link}?pwd={code}\", \"headers\": {\"Referer\": \"{link}\"}, \"as\": \"page\"},\n"
      "            {\"cut\": \"page\", \"from\": \"<b>\", \"to\": \"</b>\", \"as\": \"name\"}],\n"
      " \"result\": {\"name\": \"{name}\", \"address\": \"http://x/{name}\"}}"));
  EXPECT_EQ(rule.service, "my-pan2");
  EXPECT_EQ(rule.title, "我的网盘");  // GBK
  EXPECT_EQ(rule.hosts, (std::vector<Text>{"pan.example.com", "x.cn:8080"}));
  ASSERT_EQ(rule.steps.size(), 2u);
  EXPECT_EQ(rule.steps[0].line, 3);
  EXPECT_EQ(rule.steps[1].line, 4);
  EXPECT_EQ(rule.steps[0].headers.size(), 1u);
  EXPECT_FALSE(rule.AddressOnly());
  EXPECT_TRUE(testing::BuiltInRule("360").AddressOnly());
}

TEST(ServiceRuleReader, NamesTheLineAndTheFaultOfAnUnusableFile) {
  struct Case_ {
    std::string file;
    int line;
    const char* fault;  // part of the English wording
  };
  const std::string manySteps = [] {
    std::string steps;
    for (int i = 0; i < 65; ++i) steps += ConcatTexts(i ? ",\n" : "", R"({"text": "x", "as": "v"})");
    return steps;
  }();
  const std::string manyRequests = [] {
    std::string steps;
    for (int i = 0; i < 9; ++i) steps += ConcatTexts(i ? ",\n" : "", R"({"get": "{link}", "as": "page"})");
    return steps;
  }();
  const Case_ cases[] = {
      {"{\"service\": \"s\",\n\"title\": \"T\"\n\"steps\": []}", 3, "not valid JSON"},
      {std::string("\xFF\xFE{\0\"\0", 6), 1, "not UTF-8"},  // saved as "Unicode"
      {RuleWith(R"({"text": "\q", "as": "page"})"), 3, "invalid escape"},
      {"{\"service\": \"s\", \"title\": \"T\", \"steps\": [\n" + std::string(20, '[') + std::string(20, ']') + "]}", 2,
       "nested too deeply"},
      {RuleWith(R"({"gett": "{link}", "as": "page"})"), 3, "a step without a verb"},
      {RuleWith(R"({"get": "{link}", "cut": "link", "as": "page"})"), 3, "one verb only"},
      {RuleWith(R"({"get": "{link}", "as": "page", "form": "x"})"), 3, "unknown key \"form\""},
      {RuleWith(R"({"get": "{link}"})"), 3, "\"as\""},
      {RuleWith(R"({"text": "{page}", "as": "page"})"), 3, "no earlier step gives the value {page}"},
      {RuleWith(R"({"cut": "page", "as": "page"})"), 3, "no earlier step gives the value \"page\""},
      {RuleWith(R"({"text": "{link", "as": "page"})"), 3, "a \"{\" must be followed"},
      {RuleWith(R"({"text": "x", "as": "link"})"), 3, "built-in value \"link\""},
      {RuleWith(R"({"text": "x", "as": "a b"})"), 3, "a value's name"},
      {RuleWith(R"({"get": "{link}", "headers": {"Host": "evil"}, "as": "page"})"), 3, "cannot be sent: \"Host\""},
      {RuleWith(R"({"json": "link", "path": "a..b", "as": "page"})"), 3, "\"path\" looks like"},
      {RuleWith(R"({"cut": "link", "mode": "middle", "as": "page"})"), 3, "\"mode\" must be one of"},
      {RuleWith(R"({"text": "x", "is": "y", "as": "page"})"), 3, "go with \"if\" or \"unless\""},
      {RuleWith(R"({"replace": "link", "find": "", "as": "page"})"), 3, "\"find\" must not be empty"},
      {RuleWith("{\"text\": \"\xF0\x9F\x98\x80\", \"as\": \"page\"}"), 3, "GBK lacks"},  // an emoji
      {RuleWith(ConcatTexts(R"({"text": ")", std::string(5000, 'x'), R"(", "as": "page"})")), 3, "longer than 4096"},
      {RuleWith(manySteps), 67, "more than 64 steps"},
      {RuleWith(manyRequests), 11, "more than 8 requests"},
      {RuleWith(R"({"text": "x", "as": "page"})", R"({"name": "{page}"})"), 5, "no \"address\""},
      {"{\"service\": \"bad name\", \"title\": \"T\"}", 1, "letters, digits and \"-\""},
      {"{\"service\": \"s\", \"service\": \"t\"}", 1, "appears twice"},
      {"{\"service\": \"s\", \"title\": \"T\", \"hosts\": [\"file:///c\"]}", 1, "a host name looks like"},
      {"[1, 2]", 1, "one JSON object"},
      {std::string(300 * 1024, ' '), 0, "larger than 256 KiB"},
  };
  for (const Case_& c : cases) {
    SCOPED_TRACE(c.file.substr(0, 200));
    const ServiceRuleRead read = ReadServiceRule(c.file, "services\\bad.json");
    ASSERT_FALSE(read.rule);
    EXPECT_EQ(read.fault.file, "services\\bad.json");
    EXPECT_EQ(read.fault.line, c.line) << read.fault.english;
    EXPECT_NE(read.fault.english.find(c.fault), Text::npos) << read.fault.english;
    EXPECT_FALSE(read.fault.chinese.empty());
  }
}

}  // namespace
}  // namespace getlink
