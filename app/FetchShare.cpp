#include "app/FetchShare.h"

#include "app/Extract360.h"
#include "app/ShareExtractor.h"

namespace getlink {

std::optional<FetchFailure> FetchShare(Service service, const Text& link, ShareInfo& info,
                                       FetchWatch::ProgressHook onProgress) {
  FetchWatch watch(std::move(onProgress));
  if (service == Service::Cloud360) {
    info.address = Extract360(link, &watch);
  } else {
    ShareExtractor(&watch).Extract(service, link, info);
  }
  if (!info.address.empty()) return std::nullopt;
  return watch.Failure().value_or(FetchFailure{FailureKind::NoAddress});
}

}  // namespace getlink
