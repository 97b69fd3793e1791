#include "app/FetchPage.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/ShareLink.h"
#include "http/InternetHandle.h"
#include "runtime/Codec.h"
#include "runtime/MessagePump.h"

namespace getlink {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kChunkSize = 1000;

DWORD Milliseconds(Clock::duration duration) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
  return static_cast<DWORD>(std::clamp<long long>(ms, 1, MAXDWORD));
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD ms) {
  InternetSetOptionW(handle, option, &ms, sizeof ms);
}

// A GET whose answer's headers have arrived; its body is still to be read.
struct SentRequest {
  InternetHandle session;
  InternetHandle connection;
  InternetHandle request;  // declared last: closed first
};

// Sends a GET of the url, never from the cache, on a direct connection. Connecting and
// waiting for the answer are bounded by `timeout`. The request is opened in steps rather
// than with InternetOpenUrl, because only a request handle of our own can be given its
// time limits before it is sent (Wine does not hand the session's receive limit down).
SentRequest SendGet(const std::wstring& url, DWORD timeout) {
  SentRequest sent;
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;  // point into url
  if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) ||
      parts.dwHostNameLength == 0)
    return sent;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring target = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                        std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  target = target.substr(0, target.find(L'#'));  // a fragment stays with the client
  if (target.empty() || target[0] != L'/') target.insert(0, L"/");

  sent.session = InternetHandle(InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!sent.session) return sent;
  SetTimeout(sent.session.Get(), INTERNET_OPTION_CONNECT_TIMEOUT, timeout);
  sent.connection = InternetHandle(InternetConnectW(sent.session.Get(), host.c_str(), parts.nPort, nullptr,
                                                    nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!sent.connection) return sent;
  const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  const DWORD flags = INTERNET_FLAG_RELOAD | (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
  InternetHandle request(HttpOpenRequestW(sent.connection.Get(), L"GET", target.c_str(), nullptr, nullptr,
                                          acceptTypes, flags, 0));
  if (!request) return sent;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    SetTimeout(request.Get(), option, timeout);
  if (HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) sent.request = std::move(request);
  return sent;
}

// Reads the body of a sent request, never waiting past the deadline nor reading more than
// the byte limit.
class BodyReader {
 public:
  BodyReader(HINTERNET request, Clock::time_point deadline, std::size_t maxBytes)
      : request_(request), deadline_(deadline), left_(maxBytes) {}

  // Fills `chunk` up to `size` bytes; fewer only when the body ends or a limit is reached.
  // Blocking reads of a whole chunk could wait on a slow sender far beyond the deadline, so
  // the chunk is filled with what has arrived, each wait bounded by the time left.
  std::size_t ReadChunk(char* chunk, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size && !done_) {
      const Clock::time_point now = Clock::now();
      if (now >= deadline_ || left_ == 0) {
        done_ = true;
        break;
      }
      SetTimeout(request_, INTERNET_OPTION_RECEIVE_TIMEOUT, Milliseconds(deadline_ - now));
      PumpMessages();
      DWORD available = 0;
      if (!InternetQueryDataAvailable(request_, &available, 0, 0) || available == 0) {
        done_ = true;  // the end of the body, a broken connection or the time ran out
        break;
      }
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>({available, size - filled, left_}));
      DWORD read = 0;
      if (!InternetReadFile(request_, chunk + filled, want, &read) || read == 0) {
        done_ = true;
        break;
      }
      filled += read;
      left_ -= read;
    }
    return filled;
  }

  bool done() const { return done_; }

 private:
  HINTERNET request_;
  Clock::time_point deadline_;
  std::size_t left_;
  bool done_ = false;
};

}  // namespace

Text FetchPage(std::string_view link, const FetchLimits& limits) {
  const Text url = TrimLink(link);
  if (!IsWebLink(url)) return Text();
  const Clock::time_point deadline = Clock::now() + limits.total;
  const SentRequest sent = SendGet(ToWide(url), Milliseconds(limits.total));
  if (!sent.request) return Text();

  Text page;
  BodyReader body(sent.request.Get(), deadline, limits.maxBytes);
  char chunk[kChunkSize];
  while (!body.done()) {
    const std::size_t read = body.ReadChunk(chunk, kChunkSize);
    // The chunk counts as text: a zero byte ends it.
    const void* zero = std::memchr(chunk, 0, read);
    page.append(chunk, zero ? static_cast<const char*>(zero) - chunk : read);
  }
  return page;
}

}  // namespace getlink
