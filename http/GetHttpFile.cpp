#include "http/GetHttpFile.h"

#include <algorithm>
#include <vector>

#include "http/HttpRequest.h"

namespace getlink {
namespace {

constexpr wchar_t kAgent[] = L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr std::size_t kUnsizedReadSize = 10240;  // without a usable Content-Length
constexpr std::size_t kLargestReadSize = 102400;

// The session of every read: opened on first use, closed only when the process ends.
HINTERNET Session() {
  static const InternetHandle session(InternetOpenW(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, INTERNET_FLAG_ASYNC));
  return session.Get();
}

// One byte more than the announced body (which then arrives in one read), at most 102400;
// 10240 when no length is announced.
std::size_t ReadSize(std::optional<std::uint64_t> contentLength) {
  if (!contentLength || *contentLength == 0) return kUnsizedReadSize;
  return static_cast<std::size_t>(std::min<std::uint64_t>(*contentLength + 1, kLargestReadSize));
}

}  // namespace

ByteSet GetHttpFile(std::string_view url, const FetchLimits& limits, FetchWatch* watch) {
  HttpRequestOptions options;
  options.version = L"HTTP/1.0";
  options.flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  options.extraHeaders = L"Accept: */*\r\n\r\n";
  HttpRequest get(Session(), url, options, limits, watch);
  if (!get.Sent()) return ByteSet();

  ByteSet body;
  body.reserve(limits.maxBytes);  // grown by doubling, the body could take twice its bound
  std::vector<char> buffer(ReadSize(get.ContentLength()));
  while (!get.Done()) {
    const std::size_t read = get.ReadChunk(buffer.data(), buffer.size());
    body.insert(body.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(read));
  }
  return body;
}

}  // namespace getlink
