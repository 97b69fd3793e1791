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

// Writes the value into the caller's variable when the caller gave one.
void WriteBack(Text* variable, Text value) {
  if (variable != nullptr) *variable = std::move(value);
}

void SetRequestHeader(AutomationObject& request, const Text& name, const Text& value) {
  if (HoldsLineBreak(name) || HoldsLineBreak(value)) return;  // never inject header lines
  InvokeMethod(request, "SetRequestHeader", {name, value});
}

enum class Outcome { Arrived, Failed, TimedOut };

// Waits for the whole answer. The object's own timeouts bound each step only (Wine's object
// applies none but the resolve timeout), so a server that never answers or trickles its
// answer would hold the request for ever: the wait ends when the request's time limit has
// passed (none for -1). It asks the object a second at a time, because Wine's object starts
// its wait anew whenever a window message comes in.
Outcome AwaitAnswer(AutomationObject& request, std::optional<std::int32_t> timeoutMs) {
  using Clock = std::chrono::steady_clock;
  constexpr std::int32_t kStepSeconds = 1;
  const Clock::time_point started = Clock::now();
  for (;;) {
    const Clock::time_point asked = Clock::now();
    const AutomationVariant answered = GetVariantProperty(request, "WaitForResponse", {kStepSeconds});
    if (FAILED(request.lastResult)) return Outcome::Failed;
    if (answered.Type() != VT_BOOL || answered.Get().boolVal != VARIANT_FALSE) return Outcome::Arrived;
    // Wine's object answers "not yet" at once, without waiting, when the answer was complete
    // before the call: only a "not yet" after the step's second is one.
    if (Clock::now() - asked < std::chrono::seconds(kStepSeconds) / 2) return Outcome::Arrived;
    if (timeoutMs && Clock::now() - started >= std::chrono::milliseconds(*timeoutMs)) return Outcome::TimedOut;
  }
}

// Whether the answer's body can be read. Wine's object, when its buffer for the body cannot
// grow any further (a body without end), drops the bytes but keeps their count and still
// reports success: ResponseBody would then copy from nowhere and crash the process.
// ResponseText reads that state as empty, and holds text whenever the body holds bytes.
bool HoldsBody(AutomationObject& request) { return !GetTextProperty(request, "ResponseText").empty(); }

struct Answer {
  ByteSet body;
  Text headerBlock;
  ResponseHeaderValues response;  // read out of the header block
  std::optional<FetchFailure> failure;
};

// The answer's body and header block, both empty when the exchange failed, and why it
// failed. A request that ran out of time is left to end on its own and never released:
// Wine's object, aborted or released while a body is still coming, frees its buffer under a
// read in flight and so corrupts the heap.
Answer TakeAnswer(AutomationObject& request, std::optional<std::int32_t> timeoutMs) {
  Answer answer;
  const Outcome outcome = AwaitAnswer(request, timeoutMs);
  if (outcome == Outcome::TimedOut) {
    static_cast<void>(request.instance.Detach());
    answer.failure = FetchFailure{FailureKind::TimedOut, *timeoutMs};
    return answer;
  }
  if (outcome == Outcome::Arrived && HoldsBody(request))
    answer.body = VariantToByteSet(GetVariantProperty(request, "ResponseBody"));
  answer.headerBlock = GetTextProperty(request, "GetallResponseHeaders");
  answer.response = ReadResponseHeaders(answer.headerBlock);
  // Once the head has come, a failure or a body short of its announced length (which
  // Wine's object takes for the whole body when the connection closes early) is the
  // connection breaking in the middle.
  const std::optional<std::uint64_t> announced = answer.response.contentLength;
  if (answer.headerBlock.empty()) {
    answer.failure = FetchFailure{FailureKind::DownloadFailed};
  } else if (outcome == Outcome::Failed || (announced && answer.body.size() < *announced)) {
    answer.body.clear();
    answer.failure = FetchFailure{FailureKind::ConnectionBroken};
  }
  return answer;
}

// Whether the request went out (a request that was never opened does not).
bool Send(AutomationObject& request, const WebRequestOptions& options) {
  if (!options.postBytes || options.postBytes->empty()) {
    InvokeMethod(request, "Send", {options.postText.value_or(Text())});
  } else {
    AutomationVariant body;
    VariantFromValue(body, *options.postBytes);
    InvokeMethod(request, "Send", {AutomationArg::ByReference(body)});
  }
  return SUCCEEDED(request.lastResult);
}

}  // namespace

ByteSet WebRequest(const Text& url, const WebRequestOptions& options) {
  const ComApartment com;
  AutomationObject request;  // released before COM is
  if (!CreateAutomationObject(request, kRequestProgId)) {
    if (options.failure != nullptr) *options.failure = FetchFailure{FailureKind::DownloadFailed};
    return ByteSet();
  }

  const std::optional<std::int32_t> timeoutMs = RequestTimeoutMilliseconds(options.timeoutSeconds.value_or(0));
  if (timeoutMs) InvokeMethod(request, "SetTimeouts", {*timeoutMs, *timeoutMs, *timeoutMs, *timeoutMs});
  const Text proxy = options.proxy.value_or(Text());
  if (!proxy.empty()) InvokeMethod(request, "SetProxy", {kUseNamedProxy, proxy});

  // Opened asynchronously, so that AwaitAnswer can bound the whole exchange. A URL holding a
  // line break is never opened (its request would carry lines of its own): every later
  // call then fails, as for any URL the object refuses.
  const Text wireUrl = UrlForRequest(url);
  if (!HoldsLineBreak(url))
    InvokeMethod(request, "Open", {options.method == Text("POST") ? "POST" : "GET", wireUrl, true});
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
    headers = DefaultRequestHeaders(wireUrl);
    WriteBack(options.headers, headers);
  }
  Text cookies = options.cookies != nullptr ? *options.cookies : Text();
  if (!cookies.empty()) SetRequestHeader(request, "Cookie", cookies);
  for (const HeaderField& field : RequestHeaderFields(headers)) SetRequestHeader(request, field.name, field.value);
  Answer answer;
  answer.failure = FetchFailure{FailureKind::DownloadFailed};
  if (Send(request, options)) answer = TakeAnswer(request, timeoutMs);
  ResponseHeaderValues& response = answer.response;
  MergeCookies(cookies, response.newCookies);
  if (DeclaresUtf8(answer.body, answer.headerBlock)) answer.body = Utf8ToGbk(answer.body);
  ReleaseAutomationObject(request);

  WriteBack(options.responseHeaders, answer.headerBlock);
  if (options.failure != nullptr) *options.failure = answer.failure;
  WriteBack(options.location, std::move(response.location));
  WriteBack(options.newCookies, std::move(response.newCookies));
  WriteBack(options.cookies, std::move(cookies));
  return std::move(answer.body);
}

}  // namespace getlink
