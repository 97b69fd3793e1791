// Trying a rule by hand (getlink-cli --try-rule): what each step gave, and a saved page in
// place of the first request's answer.
#pragma once

#include "app/rules/RuleRunner.h"

namespace getlink {

// One line for a step's report: "3 cut name (line 12): VALUE", its value shortened to one
// line of at most 100 characters, or "skipped" when its condition did not hold.
Text RuleStepLine(const ServiceRule& rule, const RuleStepReport& report);

// Answers the first request with a saved page and passes every later one on.
class SavedPageTransport : public RuleTransport {
 public:
  SavedPageTransport(ByteSet page, RuleTransport& next) : page_(std::move(page)), next_(next) {}
  RuleResponse Send(const RuleRequest& request) override;

 private:
  ByteSet page_;
  RuleTransport& next_;
  bool answered_ = false;
};

}  // namespace getlink
