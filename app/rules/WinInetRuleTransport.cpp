#include "app/rules/WinInetRuleTransport.h"

#include "http/HttpRequest.h"
#include "runtime/Codec.h"

namespace getlink {
namespace {

constexpr std::size_t kChunkSize = 4096;

bool IsRedirect(DWORD status) { return status >= 300 && status <= 399; }

}  // namespace

RuleResponse WinInetRuleTransport::Send(const RuleRequest& request) {
  const bool post = request.method == "POST";
  Text headers;
  for (const auto& [name, value] : request.headers) headers += ConcatTexts(name, ": ", value, "\r\n");
  if (post) headers += "Content-Type: application/x-www-form-urlencoded\r\n";
  const std::wstring wideHeaders = ToWide(headers);

  HttpRequestOptions options;
  options.verb = post ? L"POST" : L"GET";
  options.flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES |
                  (request.followRedirects ? 0 : INTERNET_FLAG_NO_AUTO_REDIRECT);
  options.extraHeaders = wideHeaders.empty() ? nullptr : wideHeaders.c_str();
  options.body = request.body;
  InternetHandle session(InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, INTERNET_FLAG_ASYNC));
  FetchWatch watch(onProgress_);
  HttpRequest http(std::move(session), request.url, options, limits_, &watch);

  RuleResponse response;
  if (http.Sent()) {
    char chunk[kChunkSize];
    while (!http.Done()) {
      const std::size_t read = http.ReadChunk(chunk, kChunkSize);
      response.body.insert(response.body.end(), chunk, chunk + read);
    }
    const std::vector<Text> location = http.HeaderValues(HTTP_QUERY_LOCATION);
    if (!location.empty()) response.location = location.front();
    response.setCookies = http.HeaderValues(HTTP_QUERY_SET_COOKIE);
  }
  response.failure = watch.Failure();
  const bool redirectAsked = !request.followRedirects && response.failure &&
                             response.failure->kind == FailureKind::HttpStatus && IsRedirect(http.Status());
  if (redirectAsked) response.failure.reset();
  return response;
}

}  // namespace getlink
