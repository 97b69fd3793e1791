#include "app/FetchShare.h"

#include "app/Extract360.h"
#include "app/ShareExtractor.h"
#include "app/rules/RuleRunner.h"
#include "app/rules/WinInetRuleTransport.h"
#include "runtime/Clock.h"

namespace getlink {

std::optional<FetchFailure> FetchShare(const ServiceEntry& service, const Text& link, const Text& code,
                                       ShareInfo& info, FetchWatch::ProgressHook onProgress) {
  if (service.rule) {
    WinInetRuleTransport transport(std::move(onProgress));
    RuleOutcome outcome = RunServiceRule(*service.rule, {link, code, MillisecondsSince1970()}, transport);
    info = std::move(outcome.info);
    return outcome.failure;
  }
  FetchWatch watch(std::move(onProgress));
  if (service.builtIn == Service::Cloud360) {
    info.address = Extract360(link, &watch);
  } else if (service.builtIn) {
    ShareExtractor(&watch, code).Extract(*service.builtIn, link, info);
  }
  if (!info.address.empty()) return std::nullopt;
  return watch.Failure().value_or(FetchFailure{FailureKind::NoAddress});
}

}  // namespace getlink
