#include "app/Extract360.h"

#include "app/Cloud360Flow.h"
#include "app/ShareLink.h"
#include "http/GetHttpFile.h"
#include "http/UrlDecoding.h"
#include "http/WebRequest.h"
#include "runtime/TextConvert.h"

namespace getlink {
namespace {

// The long link a short link redirects to, read from the answer to a POST of it.
Text ResolveShortLink(const Text& link) {
  Text responseHeaders;
  WebRequestOptions options;
  options.method = "POST";
  options.noRedirect = true;
  options.responseHeaders = &responseHeaders;
  WebRequest(link, options);
  return ShortLinkTarget(responseHeaders);
}

}  // namespace

Text Extract360(std::string_view typedLink) {
  const Text link = TrimLink(typedLink);
  if (!IsWebLink(link)) return Text();
  const Text longLink = IsLongShareLink(link) ? link : ResolveShortLink(link);
  const Text api = DownloadApiUrl(longLink);
  if (api.empty()) return Text();  // no long link to go on with

  const Text page = UrlDecode(ByteSetToText(GetHttpFile(longLink)));
  WebRequestOptions ask;
  ask.method = "POST";
  ask.postText = DownloadForm(ShareSurl(link), ShareNid(page));
  return AddressFromDownloadReply(ByteSetToText(WebRequest(api, ask)));
}

}  // namespace getlink
