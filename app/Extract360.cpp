#include "app/Extract360.h"

#include "app/Cloud360Flow.h"
#include "app/ShareLink.h"
#include "http/GetHttpFile.h"
#include "http/UrlDecoding.h"
#include "http/WebRequest.h"
#include "runtime/TextConvert.h"

namespace getlink {
namespace {

// One POST through the web request; the watch hears why no whole answer came.
ByteSet Post(const Text& url, WebRequestOptions options, Text& responseHeaders, FetchWatch* watch) {
  options.method = "POST";
  options.responseHeaders = &responseHeaders;
  std::optional<FetchFailure> failure;
  options.failure = &failure;
  ByteSet body = WebRequest(url, options);
  if (failure) ReportFailure(watch, *failure);
  return body;
}

// The long link a short link redirects to, read from the answer to a POST of it.
Text ResolveShortLink(const Text& link, FetchWatch* watch) {
  WebRequestOptions options;
  options.noRedirect = true;
  Text responseHeaders;
  Post(link, options, responseHeaders, watch);
  return ShortLinkTarget(responseHeaders);
}

}  // namespace

Text Extract360(std::string_view typedLink, FetchWatch* watch) {
  const Text link = TrimLink(typedLink);
  if (!IsWebLink(link)) {
    ReportFailure(watch, {FailureKind::NotWebLink});
    return Text();
  }
  const Text longLink = IsLongShareLink(link) ? link : ResolveShortLink(link, watch);
  const Text api = DownloadApiUrl(longLink);
  if (api.empty()) return Text();  // no long link to go on with

  const Text page = UrlDecode(ByteSetToText(GetHttpFile(longLink, FetchLimits(), watch)));
  WebRequestOptions ask;
  ask.postText = DownloadForm(ShareSurl(link), ShareNid(page));
  Text responseHeaders;
  return AddressFromDownloadReply(ByteSetToText(Post(api, ask, responseHeaders, watch)));
}

}  // namespace getlink
