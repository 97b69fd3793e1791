// Fuzz target: one share-page parser, chosen when building (SHARE_PAGE_SERVICE names the
// service), on the input as a downloaded page (UTF-8 converted to GBK, as every page is)
// and on the input taken as GBK text as it stands. Whatever the page, an address is a web
// link of the service's form or nothing.
#include "app/Service.h"
#include "app/ShareLink.h"
#include "app/SharePages.h"
#include "runtime/TextConvert.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

ShareInfo Parse(Service service, std::string_view page) {
  switch (service) {
    case Service::Baidu: return ParseBaiduPage(page);
    case Service::Weiyun: return ParseWeiyunPage(page);
    case Service::Vdisk: return ParseVdiskPage(page);
    case Service::Qiannao: return ParseQiannaoPage(page);
    case Service::Weipan: return ParseWeipanPage(page);
    case Service::Cloud360: break;
  }
  return ShareInfo();
}

bool HasServiceForm(Service service, const Text& address) {
  switch (service) {
    case Service::Baidu: return EndsWith(address, "&sh=1");
    case Service::Weiyun: return StartsWith(address, WeiyunDownloadPrefix());
    case Service::Vdisk: return StartsWith(address, VdiskDownloadPrefix());
    case Service::Qiannao: return StartsWith(address, QiannaoDownloadPrefix()) || StartsWith(address, "http://");
    case Service::Weipan: return StartsWith(address, WeipanFilePrefix());
    case Service::Cloud360: break;
  }
  return false;
}

void Check(std::string_view page) {
  constexpr Service service = Service::SHARE_PAGE_SERVICE;
  const ShareInfo info = Parse(service, page);
  Require(info.address.empty() || IsWebLink(info.address), "the address is a web link");
  Require(info.address.empty() || HasServiceForm(service, info.address), "the address has the service's form");
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view bytes = input.Rest();
  Check(PageToGbk(ByteSet(bytes.begin(), bytes.end())));
  Check(bytes.substr(0, bytes.find('\0')));
}

}  // namespace getlink::fuzz
