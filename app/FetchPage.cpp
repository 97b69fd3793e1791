#include "app/FetchPage.h"

#include <cstring>
#include <utility>

#include "app/ShareLink.h"
#include "http/HttpRequest.h"

namespace getlink {
namespace {

constexpr std::size_t kChunkSize = 1000;

}  // namespace

Text FetchPage(std::string_view link, const FetchLimits& limits, FetchWatch* watch) {
  const Text url = TrimLink(link);
  if (!IsWebLink(url)) {
    ReportFailure(watch, {FailureKind::NotWebLink});
    return Text();
  }
  InternetHandle session(InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, INTERNET_FLAG_ASYNC));
  // Never from the cache and never into it: nothing a fetch reads is kept on disk, and
  // writing the cache entry took as long as the rest of a loopback fetch under Wine.
  HttpRequestOptions options;
  options.flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  HttpRequest get(std::move(session), url, options, limits, watch);
  if (!get.Sent()) return Text();

  Text page;
  page.reserve(limits.maxBytes);  // grown by doubling, the page could take twice its bound
  char chunk[kChunkSize];
  while (!get.Done()) {
    const std::size_t read = get.ReadChunk(chunk, kChunkSize);
    // The chunk counts as text: a zero byte ends it.
    const void* zero = std::memchr(chunk, 0, read);
    page.append(chunk, zero ? static_cast<const char*>(zero) - chunk : read);
  }
  return page;
}

}  // namespace getlink
