// The extractors of the services whose share page carries everything: each downloads the
// page once and cuts the result fields out of it.
#pragma once

#include "app/Service.h"
#include "app/ShareInfo.h"
#include "http/FetchWatch.h"

namespace getlink {

class ShareExtractor {
 public:
  // The watch, when given, hears of each download's progress and of why it failed. The code
  // is the extraction code found with the link, which opens a private Baidu share.
  explicit ShareExtractor(FetchWatch* watch = nullptr, Text code = Text()) : watch_(watch), code_(std::move(code)) {}
  virtual ~ShareExtractor() = default;

  // Each downloads the link and assigns all six fields of info (see app/SharePages.h).
  // Baidu opens a private share with the extraction code (app/BaiduShare.h).
  virtual void ExtractBaidu(const Text& link, ShareInfo& info);
  virtual void ExtractWeiyun(const Text& link, ShareInfo& info);
  virtual void ExtractVdisk(const Text& link, ShareInfo& info);
  virtual void ExtractQiannao(const Text& link, ShareInfo& info);
  virtual void ExtractWeipan(const Text& link, ShareInfo& info);

  // Runs the operation of the service; false, with info untouched, for a service that has
  // none here (360云盘 is fetched through its download API, not a share page).
  bool Extract(Service service, const Text& link, ShareInfo& info);

 private:
  Text DownloadSharePage(const Text& link) const;

  FetchWatch* watch_;
  Text code_;
};

}  // namespace getlink
