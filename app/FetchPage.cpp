#include "app/FetchPage.h"

#include <cstring>

#include "app/ShareLink.h"
#include "http/HttpGet.h"

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
  const InternetHandle session(InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  HttpGet get(session.Get(), url, HttpGetOptions(), limits, watch);
  if (!get.Sent()) return Text();

  Text page;
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
