// Fuzz target: the rule reader and the runner on a hostile rule file. The input is the file,
// a zero byte, then the page every request of the rule is answered with (with a redirect and
// a cookie). Whatever the file, it is either a rule within the bounds or a fault that names a
// line of it; whatever the rule, it asks at most 8 http(s) requests without a line break in
// a header, and gives an http(s) address or a reason.
#include <algorithm>

#include "app/ShareLink.h"
#include "app/rules/RuleRunner.h"
#include "app/rules/ServiceRuleReader.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

class PageTransport : public RuleTransport {
 public:
  explicit PageTransport(std::string_view page) : page_(page) {}

  RuleResponse Send(const RuleRequest& request) override {
    ++requests;
    Require(IsWebLink(request.url), "only http and https addresses are asked");
    for (const auto& [name, value] : request.headers)
      Require(value.find_first_of("\r\n") == Text::npos && !name.empty(), "no line break in a header");
    RuleResponse response;
    response.body.assign(page_.begin(), page_.end());
    response.location = "/next?p=1";
    response.setCookies = {"k=v; path=/"};
    return response;
  }

  int requests = 0;

 private:
  std::string_view page_;
};

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view file = input.NextText();
  const std::string_view page = input.Rest();
  const ServiceRuleRead read = ReadServiceRule(file, "f.json");
  if (!read.rule) {
    const int lines = 1 + static_cast<int>(std::count(file.begin(), file.end(), '\n'));
    Require(!read.fault.chinese.empty() && !read.fault.english.empty(), "a fault says what is wrong");
    Require(read.fault.line >= 0 && read.fault.line <= lines, "a fault names a line of the file");
    return;
  }
  const ServiceRule& rule = *read.rule;
  Require(rule.steps.size() <= 64, "at most 64 steps");
  PageTransport transport(page);
  const RuleOutcome outcome = RunServiceRule(rule, {"http://h/s/1lk?pwd=ab", "ab", 1}, transport);
  Require(transport.requests <= 8, "at most 8 requests");
  Require(outcome.info.address.empty() || IsWebLink(outcome.info.address), "the address is a web link");
  Require(outcome.info.address.empty() == outcome.failure.has_value(), "an address or a reason, never both");
}

}  // namespace getlink::fuzz
