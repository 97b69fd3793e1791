// What the rule tests share: the built-in services' rule files of the build, and a
// transport that answers from a table and records what it was asked.
#pragma once

#include <functional>
#include <vector>

#include "app/rules/RuleTransport.h"
#include "app/rules/ServiceRule.h"

namespace getlink::testing {

// The configured rule file of a built-in service (services/NAME.json of the build), read;
// the test fails when it cannot be read or used.
ServiceRule BuiltInRule(std::string_view service);

// The rule in `json`, which must be usable.
ServiceRule RuleFromText(std::string_view json);

class TableTransport : public RuleTransport {
 public:
  using Answer = std::function<RuleResponse(const RuleRequest&)>;
  explicit TableTransport(Answer answer) : answer_(std::move(answer)) {}

  RuleResponse Send(const RuleRequest& request) override {
    requests.push_back(request);
    return answer_(request);
  }

  std::vector<RuleRequest> requests;

 private:
  Answer answer_;
};

// An answer of the bytes, with nothing else.
RuleResponse BodyAnswer(std::string_view bytes);

}  // namespace getlink::testing
