#include "http/WebRequest.h"

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

  if (const auto ms = RequestTimeoutMilliseconds(options.timeoutSeconds.value_or(0)))
    InvokeMethod(request, "SetTimeouts", {*ms, *ms, *ms, *ms});
  const Text proxy = options.proxy.value_or(Text());
  if (!proxy.empty()) InvokeMethod(request, "SetProxy", {kUseNamedProxy, proxy});

  InvokeMethod(request, "Open", {options.method == Text("POST") ? "POST" : "GET", url, false});
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

  ByteSet body = VariantToByteSet(GetVariantProperty(request, "ResponseBody"));
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
