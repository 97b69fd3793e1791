#include "app/Extract360.h"

#include "app/Cloud360Flow.h"
#include "app/ShareLink.h"
#include "http/GetHttpFile.h"
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

}  // namespace

Text Extract360(std::string_view typedLink, FetchWatch* watch) {
  if (!IsWebLink(TrimLink(typedLink))) {
    ReportFailure(watch, {FailureKind::NotWebLink});
    return Text();
  }
  Cloud360Requests requests;
  requests.resolve = [watch](const Text& shortLink) {
    WebRequestOptions options;
    options.noRedirect = true;
    Text responseHeaders;
    Post(shortLink, options, responseHeaders, watch);
    return responseHeaders;
  };
  requests.getPage = [watch](const Text& longLink) {
    return ByteSetToText(GetHttpFile(longLink, FetchLimits(), watch));
  };
  requests.post = [watch](const Text& api, const Text& form) {
    WebRequestOptions ask;
    ask.postText = form;
    Text responseHeaders;
    return ByteSetToText(Post(api, ask, responseHeaders, watch));
  };
  return Fetch360Address(typedLink, requests);
}

}  // namespace getlink
