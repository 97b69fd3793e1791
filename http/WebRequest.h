// One synchronous HTTP exchange through the WinHttp request object, driven by late-bound
// calls. Besides the body it hands back the response's header block, its redirect target,
// the cookies it set and the caller's cookie jar merged with them.
#pragma once

#include <cstdint>
#include <optional>

#include "http/FetchFailure.h"
#include "runtime/Text.h"

namespace getlink {

// The request's optional arguments; an empty std::optional or a null pointer is "not
// given". The pointers name the caller's variables, which the request writes.
struct WebRequestOptions {
  // Exactly "POST" selects POST; anything else, and nothing, GET.
  std::optional<Text> method;
  // The body, when postBytes is empty.
  std::optional<Text> postText;
  // In/out: the cookie jar, sent as the Cookie header when not empty; on return the jar
  // merged with the cookies the response set.
  Text* cookies = nullptr;
  // Out: the cookies the response set, each entry followed by ";", without spaces.
  Text* newCookies = nullptr;
  // In/out: header lines joined by "\r\n"; when empty it receives the default block
  // (DefaultRequestHeaders), which is then sent.
  Text* headers = nullptr;
  // Out: the value of the response's last line holding "Location:"; empty when none.
  Text* location = nullptr;
  // True switches the object's redirect following off.
  std::optional<bool> noRedirect;
  // The body as raw bytes; when not empty it is sent instead of postText.
  std::optional<ByteSet> postBytes;
  // The proxy server ("host:port"); none when empty.
  std::optional<Text> proxy;
  // Out: the response's header block as the object returns it.
  Text* responseHeaders = nullptr;
  // Out: why no whole answer came back: none came (DownloadFailed), none within the time
  // limit (TimedOut), or its body broke off before its end (ConnectionBroken); nothing when
  // the answer came whole.
  std::optional<FetchFailure>* failure = nullptr;
  // -1 leaves the object's timeouts alone; below 1 (and not given) 15 seconds; else this
  // many seconds, for resolving, connecting, sending and receiving each, and for the whole
  // exchange (a request still running then is aborted).
  std::optional<std::int32_t> timeoutSeconds;
  // Credentials for the proxy, used only together with it.
  std::optional<Text> proxyUser;
  std::optional<Text> proxyPassword;
  // Whom the credentials are for: 1 the proxy (when not given), 0 the server.
  std::optional<std::int32_t> proxyCredentialFlags;
};

// Sends the request and returns the response body, converted from UTF-8 to GBK when the
// response declares UTF-8 (see DeclaresUtf8). A failed exchange gives an empty body and
// tells why in options.failure. A URL holding a line break is not requested; any other goes
// out as UrlForRequest writes it (so does the default block's Referer). When the request
// object cannot be created nothing is written to the caller's variables but the failure;
// otherwise every given out variable is written, even when the exchange failed.
// COM is initialised on the calling thread for the call's duration.
ByteSet WebRequest(const Text& url, const WebRequestOptions& options = {});

}  // namespace getlink
