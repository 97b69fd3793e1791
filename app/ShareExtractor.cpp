#include "app/ShareExtractor.h"

#include "app/BaiduShare.h"
#include "app/FetchPage.h"
#include "app/SharePages.h"
#include "app/rules/WinInetRuleTransport.h"
#include "runtime/Clock.h"
#include "runtime/TextConvert.h"

namespace getlink {

// The share page at the link as GBK text (empty when the download fails).
Text ShareExtractor::DownloadSharePage(const Text& link) const {
  // The downloaded text goes before the conversion: a page may be megabytes long.
  const ByteSet page = TextToByteSet(FetchPage(link, FetchLimits(), watch_));
  return PageToGbk(page);
}

void ShareExtractor::ExtractBaidu(const Text& link, ShareInfo& info) {
  WinInetRuleTransport transport([this](const FetchProgress& progress) {
    if (watch_ != nullptr) watch_->ReportProgress(progress);
  });
  const BaiduPageFetch fetch = FetchBaiduPage(link, code_, transport, MillisecondsSince1970());
  if (fetch.failure) ReportFailure(watch_, *fetch.failure);
  info = ParseBaiduPage(PageToGbk(fetch.page));
}

void ShareExtractor::ExtractWeiyun(const Text& link, ShareInfo& info) {
  info = ParseWeiyunPage(DownloadSharePage(link));
}

void ShareExtractor::ExtractVdisk(const Text& link, ShareInfo& info) {
  info = ParseVdiskPage(DownloadSharePage(link));
}

void ShareExtractor::ExtractQiannao(const Text& link, ShareInfo& info) {
  info = ParseQiannaoPage(DownloadSharePage(link));
}

void ShareExtractor::ExtractWeipan(const Text& link, ShareInfo& info) {
  info = ParseWeipanPage(DownloadSharePage(link));
}

bool ShareExtractor::Extract(Service service, const Text& link, ShareInfo& info) {
  switch (service) {
    case Service::Baidu: ExtractBaidu(link, info); return true;
    case Service::Weiyun: ExtractWeiyun(link, info); return true;
    case Service::Weipan: ExtractWeipan(link, info); return true;
    case Service::Vdisk: ExtractVdisk(link, info); return true;
    case Service::Qiannao: ExtractQiannao(link, info); return true;
    case Service::Cloud360: break;
  }
  return false;
}

}  // namespace getlink
