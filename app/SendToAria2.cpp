#include "app/SendToAria2.h"

#include <utility>

#include "http/HttpRequest.h"
#include "runtime/Files.h"

namespace getlink {
namespace {

constexpr std::size_t kChunkSize = 4096;

}  // namespace

Text Aria2SettingsPath() { return ConcatTexts(RunDirectory(), "\\", kAria2SettingsFileName); }

Aria2Settings ReadAria2Settings(std::string_view path) {
  // One byte beyond the bound is enough to tell a file that is too large.
  const ByteSet bytes = ReadFileBytes(path, kLargestSettingsFile + 1);
  return Aria2SettingsFromIni(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

Aria2Outcome SendToAria2(const Aria2Settings& settings, std::string_view address, std::string_view fileName,
                         const FetchLimits& limits) {
  const Text& rpc = settings.rpc;
  if (!IsAria2RpcAddress(rpc)) return Aria2OutcomeOfFailure(rpc, {FailureKind::NotWebLink});
  const std::string body = Aria2AddUriBody(settings.secret, address, fileName);
  HttpRequestOptions options;
  options.verb = L"POST";
  options.flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES;
  // aria2 keeps a connection open after a good answer; WinINet would keep it for the next
  // call, which could then go out on a connection aria2 has closed meanwhile.
  options.extraHeaders = L"Content-Type: application/json\r\nConnection: close\r\n";
  options.body = body;
  InternetHandle session(InternetOpenW(L"getlink", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, INTERNET_FLAG_ASYNC));
  FetchWatch watch;
  HttpRequest request(std::move(session), rpc, options, limits, &watch);
  if (!request.Sent())
    return Aria2OutcomeOfFailure(rpc, watch.Failure().value_or(FetchFailure{FailureKind::DownloadFailed}));

  std::string answer;
  char chunk[kChunkSize];
  while (!request.Done()) answer.append(chunk, request.ReadChunk(chunk, kChunkSize));
  // An error status still has its answer read: aria2 tells its errors with 400. Running out
  // of time or room while reading leaves no whole answer.
  const std::optional<FetchFailure>& failure = watch.Failure();
  if (failure && failure->kind != FailureKind::HttpStatus) return Aria2OutcomeOfFailure(rpc, *failure);
  return Aria2OutcomeOfAnswer(rpc, request.Status(), answer);
}

}  // namespace getlink
