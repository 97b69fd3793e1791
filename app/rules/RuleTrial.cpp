#include "app/rules/RuleTrial.h"

#include <string>

#include "runtime/TextBuild.h"

namespace getlink {

Text RuleStepLine(const ServiceRule& rule, const RuleStepReport& report) {
  const RuleStep& step = *report.step;
  Text line = ConcatTexts(std::to_string(report.number), " ", RuleVerbName(step.verb));
  if (step.output >= 0) line += ConcatTexts(" ", rule.slotNames[static_cast<std::size_t>(step.output)]);
  line += ConcatTexts(" (line ", std::to_string(step.line), "): ");
  if (!report.ran) return line + "skipped";
  if (report.value == nullptr) return line + "ends the fetch";
  if (report.value->empty()) return line + "(empty)";
  return ConcatTexts(line, OneLineQuote(*report.value, 100), " [", std::to_string(report.value->size()), " bytes]");
}

RuleResponse SavedPageTransport::Send(const RuleRequest& request) {
  if (answered_) return next_.Send(request);
  answered_ = true;
  RuleResponse response;
  response.body = page_;
  return response;
}

}  // namespace getlink
