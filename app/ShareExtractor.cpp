#include "app/ShareExtractor.h"

#include "app/FetchPage.h"
#include "app/SharePages.h"
#include "runtime/TextConvert.h"

namespace getlink {

// The share page at the link as GBK text (empty when the download fails).
Text ShareExtractor::DownloadSharePage(const Text& link) const {
  return PageToGbk(TextToByteSet(FetchPage(link, FetchLimits(), watch_)));
}

void ShareExtractor::ExtractBaidu(const Text& link, ShareInfo& info) {
  info = ParseBaiduPage(DownloadSharePage(link));
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
