#include "http/HttpGet.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "http/RequestHeaders.h"
#include "runtime/Codec.h"
#include "runtime/MessagePump.h"
#include "runtime/Threads.h"
#include "runtime/WinHandles.h"

namespace getlink {
namespace {

DWORD Milliseconds(std::chrono::steady_clock::duration duration) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
  return static_cast<DWORD>(std::clamp<long long>(ms, 1, MAXDWORD));
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD ms) {
  InternetSetOptionW(handle, option, &ms, sizeof ms);
}

struct UrlParts {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring target;  // path and query
  bool secure = false;
};

std::optional<UrlParts> SplitWebUrl(const std::wstring& url) {
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;  // point into url
  if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) ||
      parts.dwHostNameLength == 0)
    return std::nullopt;
  UrlParts split;
  split.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  split.port = parts.nPort;
  split.target = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                 std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  split.target = split.target.substr(0, split.target.find(L'#'));  // a fragment stays with the client
  if (split.target.empty() || split.target[0] != L'/') split.target.insert(0, L"/");
  split.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return split;
}

// Closes a request cut short, and then its connection, on a thread of their own: Wine
// reads the rest of a body of announced length before it lets the connection go, for as
// long as the server keeps sending. Closed at once when no thread can be started.
void CloseInBackground(InternetHandle connection, InternetHandle request) {
  struct Handles {
    InternetHandle connection;
    InternetHandle request;  // declared last: closed first
  };
  auto handles = std::make_shared<Handles>(Handles{std::move(connection), std::move(request)});
  StartThread([handles] { *handles = Handles(); });
}

// How long the closing of a request may take to be told. A call cancelled by the closing
// may be told of later (Wine tells it only when the server stops sending): the callback's
// data is then left allocated rather than freed under a callback that may still come.
constexpr DWORD kClosingWaitMs = 250;

}  // namespace

// Everything an asynchronous call may still write after it was given up on: what the
// callback tells, and the count and bytes of a query or read (WinINet writes them when the
// call completes, which may be after the request was closed).
struct HttpGet::Completion {
  UniqueHandle completed{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  UniqueHandle closed{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  DWORD_PTR result = 0;
  DWORD error = ERROR_SUCCESS;
  DWORD available = 0;
  DWORD read = 0;
  std::vector<char> bytes;

  static void CALLBACK Told(HINTERNET, DWORD_PTR context, DWORD status, void* information, DWORD) {
    auto* completion = reinterpret_cast<Completion*>(context);
    if (status == INTERNET_STATUS_REQUEST_COMPLETE) {
      const auto* outcome = static_cast<const INTERNET_ASYNC_RESULT*>(information);
      completion->result = outcome->dwResult;
      completion->error = outcome->dwError;
      SetEvent(completion->completed.get());
    } else if (status == INTERNET_STATUS_HANDLE_CLOSING) {
      SetEvent(completion->closed.get());
    }
  }
};

// The request is opened in steps rather than with InternetOpenUrl, because only a request
// handle of our own can be given its time limits before it is sent (Wine does not hand a
// session's limits down to its requests).
HttpGet::HttpGet(HINTERNET session, std::string_view url, const HttpGetOptions& options, const FetchLimits& limits)
    : deadline_(Clock::now() + limits.total), left_(limits.maxBytes), completion_(std::make_unique<Completion>()) {
  if (HoldsLineBreak(url) || session == nullptr) return;  // its request would carry lines of its own
  const std::optional<UrlParts> parts = SplitWebUrl(ToWide(url));
  if (!parts) return;
  const DWORD timeout = Milliseconds(limits.total);
  connection_ = InternetHandle(InternetConnectW(session, parts->host.c_str(), parts->port, nullptr, nullptr,
                                                INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection_) return;
  const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  const DWORD flags = options.flags | (parts->secure ? INTERNET_FLAG_SECURE : 0);
  request_ = InternetHandle(HttpOpenRequestW(connection_.Get(), L"GET", parts->target.c_str(), options.version,
                                             nullptr, acceptTypes, flags, reinterpret_cast<DWORD_PTR>(completion_.get())));
  if (!request_) return;
  InternetSetStatusCallbackW(request_.Get(), &Completion::Told);
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    SetTimeout(request_.Get(), option, timeout);
  const DWORD headersLength = options.extraHeaders != nullptr ? static_cast<DWORD>(-1) : 0;
  if (!Completed([&] { return HttpSendRequestW(request_.Get(), options.extraHeaders, headersLength, nullptr, 0); }))
    return;
  sent_ = true;
  done_ = false;
}

HttpGet::~HttpGet() {
  if (!request_) return;
  if (bodyEnded_) {
    request_ = InternetHandle();
  } else {
    CloseInBackground(std::move(connection_), std::move(request_));
  }
  // The callback tells of the closing last; until then it may still use the completion.
  if (WaitForSingleObject(completion_->closed.get(), kClosingWaitMs) != WAIT_OBJECT_0) completion_.release();
}

bool HttpGet::Completed(const std::function<BOOL()>& call) {
  ResetEvent(completion_->completed.get());  // nothing told of an earlier call counts
  if (call()) return true;
  if (GetLastError() != ERROR_IO_PENDING) return false;
  const Clock::time_point now = Clock::now();
  if (now >= deadline_ || WaitForSingleObject(completion_->completed.get(), Milliseconds(deadline_ - now)) != WAIT_OBJECT_0)
    return false;  // still running: closing the request cancels it
  // dwError is the failure when dwResult is FALSE; a query for data counts the bytes there.
  return completion_->result != 0;
}

std::optional<DWORD> HttpGet::Available() {
  for (;;) {
    BOOL atOnce = FALSE;
    if (!Completed([&] { return atOnce = InternetQueryDataAvailable(request_.Get(), &completion_->available, 0, 0); }))
      return std::nullopt;
    if (atOnce) return completion_->available;
    // It went asynchronous and data has come since: asked again, it counts it.
  }
}

std::optional<std::uint64_t> HttpGet::ContentLength() const {
  if (!request_) return std::nullopt;
  wchar_t value[32] = {};
  DWORD size = sizeof value;
  if (!HttpQueryInfoW(request_.Get(), HTTP_QUERY_CONTENT_LENGTH, value, &size, nullptr)) return std::nullopt;
  if (value[0] < L'0' || value[0] > L'9') return std::nullopt;  // no sign, no blank
  wchar_t* end = nullptr;
  const unsigned long long length = wcstoull(value, &end, 10);
  if (*end != L'\0') return std::nullopt;
  return length;
}

// Blocking reads of a whole chunk could wait on a slow sender far beyond the deadline, so
// the chunk is filled with what has arrived, each wait bounded by the time left.
std::size_t HttpGet::ReadChunk(char* chunk, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size && !done_) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline_ || left_ == 0) {
      done_ = true;
      break;
    }
    SetTimeout(request_.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, Milliseconds(deadline_ - now));
    PumpMessages();
    const std::optional<DWORD> available = Available();
    if (!available) {
      done_ = true;  // a broken connection or the time ran out
      break;
    }
    if (*available == 0) {
      done_ = bodyEnded_ = true;
      break;
    }
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>({*available, size - filled, left_}));
    std::vector<char>& bytes = completion_->bytes;
    bytes.resize(want);
    if (!Completed([&] { return InternetReadFile(request_.Get(), bytes.data(), want, &completion_->read); }) ||
        completion_->read == 0) {
      done_ = true;
      break;
    }
    std::copy_n(bytes.data(), completion_->read, chunk + filled);
    filled += completion_->read;
    left_ -= completion_->read;
  }
  return filled;
}

}  // namespace getlink
