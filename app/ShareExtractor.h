// The extractors of the services whose share page carries everything: each downloads the
// page once and cuts the result fields out of it.
#pragma once

#include "app/Service.h"
#include "app/ShareInfo.h"

namespace getlink {

class ShareExtractor {
 public:
  virtual ~ShareExtractor() = default;

  // Each downloads the link and assigns all six fields of info (see app/SharePages.h).
  virtual void ExtractBaidu(const Text& link, ShareInfo& info);
  virtual void ExtractWeiyun(const Text& link, ShareInfo& info);
  virtual void ExtractVdisk(const Text& link, ShareInfo& info);
  virtual void ExtractQiannao(const Text& link, ShareInfo& info);
  virtual void ExtractWeipan(const Text& link, ShareInfo& info);

  // Runs the operation of the service; false, with info untouched, for a service that has
  // none here (360云盘 is fetched through its download API, not a share page).
  bool Extract(Service service, const Text& link, ShareInfo& info);
};

// The share page at the link as GBK text (empty when the download fails).
Text DownloadSharePage(const Text& link);

}  // namespace getlink
