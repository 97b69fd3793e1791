#include "http/WebRequest.h"

#include <chrono>

#include "http/AutomationBridge.h"
#include "http/ComApartment.h"
#include "http/Cookies.h"
#include "http/RequestHeaders.h"
#include "http/ResponseHeaders.h"
#include "http/UrlDecoding.h"

namespace getlink {
namespace {

constexpr char kRequestProgId[] = "WinHttp.WinHttpRequest.5.1";
constexpr std::int32_t kUseNamedProxy = 2;            // HTTPREQUEST_PROXYSETTING_PROXY
constexpr std::int32_t kCredentialsForProxy = 1;      // HTTPREQUEST_SETCREDENTIALS_FOR_PROXY
constexpr std::int32_t kEnableRedirectsOption = 6;    // WinHttpRequestOption_EnableRedirects

constexpr std::int32_t kWaitForever = -1;             // WaitForResponse without a time limit

// Writes the value into the caller's variable when the caller gave one.
void WriteBack(Text* variable, Text value) {
  if (variable != nullptr) *variable = std::move(value);
}

void SetRequestHeader(AutomationObject& request, const Text& name, const Text& value) {
  if (HoldsLineBreak(name) || HoldsLineBreak(value)) return;  // never inject header lines
  InvokeMethod(request, "SetRequestHeader", {name, value});
}

// Waits for the whole answer; true when it arrived, false when the exchange failed or was
// aborted. The object's own timeouts bound each step only (Wine's object applies none but
// the resolve timeout), so a server that never answers or trickles its answer would hold
// the request for ever: a request still running when its time limit has passed (none for
// -1) is aborted.
bool AwaitAnswer(AutomationObject& request, std::optional<std::int32_t> timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const std::int32_t seconds = timeoutMs ? (*timeoutMs + 999) / 1000 : kWaitForever;
  const Clock::time_point started = Clock::now();
  const AutomationVariant answered = GetVariantProperty(request, "WaitForResponse", {seconds});
  if (FAILED(request.lastResult)) return false;
  if (answered.Type() != VT_BOOL || answered.Get().boolVal != VARIANT_FALSE) return true;
  // Wine's object answers "not yet" at once, without waiting, when the answer was complete
  // before the call: only a "not yet" after the time limit is one.
  if (seconds == kWaitForever || Clock::now() - started < std::chrono::seconds(seconds) / 2) return true;
  InvokeMethod(request, "Abort");
  return false;
}

// Whether the answer's body can be read. Wine's object, when its buffer for the body cannot
// grow any further (a body without end), drops the bytes but keeps their count and still
// reports success: ResponseBody would then copy from nowhere and crash the process.
// ResponseText reads that state as empty, and holds text whenever the body holds bytes.
bool HoldsBody(AutomationObject& request) { return !GetTextProperty(request, "ResponseText").empty(); }

void Send(AutomationObject& request, const WebRequestOptions& options) {
  if (!options.postBytes || options.postBytes->empty()) {
    InvokeMethod(request, "Send", {options.postText.value_or(Text())});
    return;
  }
  AutomationVariant body;
  VariantFromValue(body, *options.postBytes);
  InvokeMethod(request, "Send", {AutomationArg::ByReference(body)});
}

}  // namespace

ByteSet WebRequest(const Text& url, const WebRequestOptions& options) {
  const ComApartment com;
  AutomationObject request;  // released before COM is
  if (!CreateAutomationObject(request, kRequestProgId)) return ByteSet();

  const std::optional<std::int32_t> timeoutMs = RequestTimeoutMilliseconds(options.timeoutSeconds.value_or(0));
  if (timeoutMs) InvokeMethod(request, "SetTimeouts", {*timeoutMs, *timeoutMs, *timeoutMs, *timeoutMs});
  const Text proxy = options.proxy.value_or(Text());
  if (!proxy.empty()) InvokeMethod(request, "SetProxy", {kUseNamedProxy, proxy});

  // Opened asynchronously, so that AwaitAnswer can bound the whole exchange.
  InvokeMethod(request, "Open", {options.method == Text("POST") ? "POST" : "GET", url, true});
  // The object takes credentials only once it is open, through SetCredentials (it has no
  // member of its own for proxy credentials).
  const Text proxyUser = options.proxyUser.value_or(Text());
  if (!proxy.empty() && !proxyUser.empty()) {
    InvokeMethod(request, "SetCredentials",
                 {proxyUser, options.proxyPassword.value_or(Text()),
                  options.proxyCredentialFlags.value_or(kCredentialsForProxy)});
  }
  if (options.noRedirect.value_or(false)) SetProperty(request, "Option", {kEnableRedirectsOption, 0});

  Text headers = options.headers != nullptr ? *options.headers : Text();
  if (headers.empty()) {
    headers = DefaultRequestHeaders(url);
    WriteBack(options.headers, headers);
  }
  Text cookies = options.cookies != nullptr ? *options.cookies : Text();
  if (!cookies.empty()) SetRequestHeader(request, "Cookie", cookies);
  for (const HeaderField& field : RequestHeaderFields(headers)) SetRequestHeader(request, field.name, field.value);
  Send(request, options);
  ByteSet body;
  if (AwaitAnswer(request, timeoutMs) && HoldsBody(request))
    body = VariantToByteSet(GetVariantProperty(request, "ResponseBody"));
  const Text headerBlock = GetTextProperty(request, "GetallResponseHeaders");
  ResponseHeaderValues response = ReadResponseHeaders(headerBlock);
  MergeCookies(cookies, response.newCookies);
  if (DeclaresUtf8(body, headerBlock)) body = Utf8ToGbk(body);
  ReleaseAutomationObject(request);

  WriteBack(options.responseHeaders, headerBlock);
  WriteBack(options.location, std::move(response.location));
  WriteBack(options.newCookies, std::move(response.newCookies));
  WriteBack(options.cookies, std::move(cookies));
  return body;
}

}  // namespace getlink
