#include "app/Cloud360Flow.h"

#include "app/ShareLink.h"
#include "http/HeaderText.h"
#include "http/UrlDecoding.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::string_view kAddressScheme = "http:";

}  // namespace

bool IsLongShareLink(std::string_view link) { return FindText(link, "lk") != -1; }

Text ShortLinkTarget(std::string_view responseHeaders) {
  Text target = TextBetween(responseHeaders, "Location: ", "\r\n");
  return IsWebLink(target) ? target : Text();
}

Text ShareSurl(std::string_view link) {
  const int slash = FindTextLast(link, "/");
  return slash == -1 ? Text(link) : RightText(link, TextLength(link) - slash);
}

Text ShareNid(std::string_view page) { return TextBetween(page, "nid : '", "',"); }

Text DownloadApiUrl(std::string_view longLink) {
  if (!IsWebLink(longLink)) return Text();
  const std::size_t hostStart = longLink.find("://") + 3;
  return ConcatTexts(longLink.substr(0, hostStart), LinkAuthority(longLink), "/share/downloadfile/");
}

Text DownloadForm(std::string_view surl, std::string_view nid) { return ConcatTexts("surl=", surl, "&nid=", nid); }

Text AddressFromDownloadReply(std::string_view reply) {
  const Text address =
      ReplaceText(ConcatTexts(kAddressScheme, TextBetween(reply, kAddressScheme, "\"")), "\\", "", Case::Sensitive);
  return IsWebLink(address) ? address : Text();
}

Text Fetch360Address(std::string_view typedLink, const Cloud360Requests& requests) {
  const Text link = TrimLink(typedLink);
  if (!IsWebLink(link)) return Text();
  const Text longLink = IsLongShareLink(link) ? link : ShortLinkTarget(requests.resolve(link));
  const Text api = DownloadApiUrl(longLink);
  if (api.empty()) return Text();  // no long link to go on with
  const Text page = UrlDecode(requests.getPage(longLink));
  return AddressFromDownloadReply(requests.post(api, DownloadForm(ShareSurl(link), ShareNid(page))));
}

}  // namespace getlink
