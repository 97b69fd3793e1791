#include "http/HttpRequest.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "http/HeaderText.h"
#include "http/RequestHeaders.h"
#include "http/UrlDecoding.h"
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

// False when the handle refused the limit: the request would then not be bounded.
bool SetTimeout(HINTERNET handle, DWORD option, DWORD ms) {
  return InternetSetOptionW(handle, option, &ms, sizeof ms) != FALSE;
}

struct UrlParts {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring target;  // path and query
  bool secure = false;
  std::wstring user, password;  // from user:password@host, as written
};

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

std::optional<UrlParts> SplitWebUrl(const std::wstring& url) {
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;  // point into url
  parts.dwUserNameLength = parts.dwPasswordLength = 1;
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
  if (parts.lpszUserName != nullptr) split.user.assign(parts.lpszUserName, parts.dwUserNameLength);
  if (parts.lpszPassword != nullptr) split.password.assign(parts.lpszPassword, parts.dwPasswordLength);
  return split;
}

// Closes a request cut short, then its connection and the session when it has one of its
// own, on a thread of their own: Wine reads the rest of a body of announced length before
// it lets the connection go, for as long as the server keeps sending. Children go before
// their parent: closing a parent closes its children too, and a handle value freed so
// early may already belong to the next request when its own closing comes.
void CloseInBackground(InternetHandle session, InternetHandle connection, InternetHandle request) {
  struct Handles {
    InternetHandle session, connection, request;
  };
  auto handles = std::make_shared<Handles>(Handles{std::move(session), std::move(connection), std::move(request)});
  StartThread([handles] {
    handles->request = InternetHandle();
    handles->connection = InternetHandle();
    handles->session = InternetHandle();
  });
}

// How long the closing of a request may take to be told. A call cancelled by the closing
// may be told of later (Wine tells it only when the server stops sending): the callback's
// data is then left allocated rather than freed under a callback that may still come.
constexpr DWORD kClosingWaitMs = 250;

}  // namespace

// Everything an asynchronous call may still write after it was given up on: what the
// callback tells, the body being sent (read while the send runs), and the count and bytes
// of a query or read (WinINet writes them when the
// call completes, which may be after the request was closed).
struct HttpRequest::Completion {
  UniqueHandle completed{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  UniqueHandle closed{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  DWORD_PTR result = 0;
  DWORD error = ERROR_SUCCESS;
  DWORD available = 0;
  DWORD read = 0;
  std::vector<char> bytes;
  std::string body;

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

HttpRequest::HttpRequest(HINTERNET session, std::string_view url, const HttpRequestOptions& options,
                         const FetchLimits& limits, FetchWatch* watch)
    : deadline_(Clock::now() + limits.total),
      limits_(limits),
      left_(limits.maxBytes),
      watch_(watch),
      completion_(std::make_unique<Completion>()) {
  Send(session, url, options);
}

HttpRequest::HttpRequest(InternetHandle session, std::string_view url, const HttpRequestOptions& options,
                         const FetchLimits& limits, FetchWatch* watch)
    : HttpRequest(session.Get(), url, options, limits, watch) {
  session_ = std::move(session);
}

HttpRequest::~HttpRequest() {
  if (!request_) return;
  if (bodyEnded_ || !sent_) {  // nothing left to drain: a request never sent has no body
    request_ = InternetHandle();
  } else {
    CloseInBackground(std::move(session_), std::move(connection_), std::move(request_));
  }
  // The callback tells of the closing last; until then it may still use the completion.
  if (WaitForSingleObject(completion_->closed.get(), kClosingWaitMs) != WAIT_OBJECT_0) completion_.release();
}

// The request is opened in steps rather than with InternetOpenUrl, because only a request
// handle of our own can be given its time limits before it is sent (Wine does not hand a
// session's limits down to its requests).
void HttpRequest::Send(HINTERNET session, std::string_view url, const HttpRequestOptions& options) {
  // A line break in the url would give the request lines of its own.
  const std::optional<UrlParts> parts = HoldsLineBreak(url) ? std::nullopt : SplitWebUrl(ToWide(UrlForRequest(url)));
  if (!parts) return Fail({FailureKind::NotWebLink});
  if (session == nullptr) return Fail({FailureKind::DownloadFailed});
  const DWORD timeout = Milliseconds(limits_.total);
  connection_ = InternetHandle(InternetConnectW(session, parts->host.c_str(), parts->port, OrNull(parts->user),
                                                OrNull(parts->password), INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection_) return FailWithLastError();
  const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  const DWORD flags = options.flags | (parts->secure ? INTERNET_FLAG_SECURE : 0);
  const auto context = reinterpret_cast<DWORD_PTR>(completion_.get());
  request_ = InternetHandle(HttpOpenRequestW(connection_.Get(), options.verb, parts->target.c_str(), options.version,
                                             nullptr, acceptTypes, flags, context));
  if (!request_) return FailWithLastError();
  InternetSetStatusCallbackW(request_.Get(), &Completion::Told);
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    if (!SetTimeout(request_.Get(), option, timeout)) return FailWithLastError();
  const DWORD headersLength = options.extraHeaders != nullptr ? static_cast<DWORD>(-1) : 0;
  std::string& body = completion_->body;
  body.assign(options.body);
  const auto bodyLength = static_cast<DWORD>(body.size());
  if (!Completed([&] {
        return HttpSendRequestW(request_.Get(), options.extraHeaders, headersLength, body.empty() ? nullptr : &body[0],
                                bodyLength);
      }))
    return FailWithLastError();
  sent_ = true;
  done_ = false;
  head_ = std::wstring_view(options.verb) == L"HEAD";

  // An error status is reported but its body is still read: extractors look at any page.
  DWORD size = sizeof status_;
  HttpQueryInfoW(request_.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status_, &size, nullptr);
  if (status_ == 0) {
    Fail({FailureKind::DownloadFailed});  // no status line: the server sent no answer
  } else if (status_ < 200 || status_ > 299) {
    Fail({FailureKind::HttpStatus, static_cast<std::int64_t>(status_)});
  }
}

void HttpRequest::Fail(const FetchFailure& failure) { ReportFailure(watch_, failure); }

// Wine reports a receive time-out as a broken connection (ERROR_INTERNET_CONNECTION_ABORTED),
// so a failure once the time is up counts as the time-out whatever its code. The slack
// covers the system timer's granularity, with which a time-out may fire a little early.
void HttpRequest::FailWithLastError() {
  const DWORD error = GetLastError();
  constexpr std::chrono::milliseconds kTimerSlack{50};
  if (Clock::now() + kTimerSlack >= deadline_) {
    Fail({FailureKind::TimedOut, static_cast<std::int64_t>(limits_.total.count())});
  } else {
    Fail(FailureFromSystemError(error, limits_.total));
  }
}

bool HttpRequest::Completed(const std::function<BOOL()>& call) {
  ResetEvent(completion_->completed.get());  // nothing told of an earlier call counts
  if (call()) return true;
  if (GetLastError() != ERROR_IO_PENDING) return false;
  const Clock::time_point now = Clock::now();
  const HANDLE completed = completion_->completed.get();
  const bool told = now < deadline_ && WaitForSingleObject(completed, Milliseconds(deadline_ - now)) == WAIT_OBJECT_0;
  if (!told) {
    SetLastError(ERROR_INTERNET_TIMEOUT);  // still running: closing the request cancels it
    return false;
  }
  // dwError is the failure when dwResult is FALSE; after a query for data that succeeded it
  // holds the count of bytes instead (0 at the end of a body without a length).
  if (completion_->result != 0) return true;
  SetLastError(completion_->error);
  return false;
}

std::optional<DWORD> HttpRequest::Available() {
  for (;;) {
    BOOL atOnce = FALSE;
    if (!Completed([&] { return atOnce = InternetQueryDataAvailable(request_.Get(), &completion_->available, 0, 0); }))
      return std::nullopt;
    if (atOnce) return completion_->available;
    // It went asynchronous and data has come since: asked again, it counts it.
  }
}

std::optional<std::uint64_t> HttpRequest::ContentLength() const {
  if (!sent_) return std::nullopt;
  wchar_t value[32] = {};
  DWORD size = sizeof value;
  if (!HttpQueryInfoW(request_.Get(), HTTP_QUERY_CONTENT_LENGTH, value, &size, nullptr)) return std::nullopt;
  return ContentLengthValue(FromWide(value));
}

// WinINet ends a body whose connection closed before its announced length as if it were
// whole: only the count tells the page was cut short.
void HttpRequest::EndBody() {
  done_ = bodyEnded_ = true;
  const bool bodyless = head_ || status_ == HTTP_STATUS_NO_CONTENT || status_ == HTTP_STATUS_NOT_MODIFIED;
  const std::optional<std::uint64_t> announced = ContentLength();
  if (!bodyless && announced && limits_.maxBytes - left_ < *announced) Fail({FailureKind::ConnectionBroken});
}

std::vector<Text> HttpRequest::HeaderValues(DWORD query) const {
  constexpr std::size_t kMostValues = 64;
  constexpr DWORD kLongestValue = 64 * 1024;  // bytes
  std::vector<Text> values;
  for (DWORD index = 0; sent_ && values.size() < kMostValues;) {
    std::wstring value(256, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    DWORD next = index;
    BOOL found = HttpQueryInfoW(request_.Get(), query, &value[0], &size, &next);
    if (!found && GetLastError() == ERROR_INSUFFICIENT_BUFFER && size <= kLongestValue) {
      value.resize(size / sizeof(wchar_t) + 1);
      next = index;
      found = HttpQueryInfoW(request_.Get(), query, &value[0], &size, &next);
    }
    if (!found) break;  // no further line of the kind
    value.resize(size / sizeof(wchar_t));
    values.push_back(FromWide(value));
    if (next <= index) break;  // the index did not move on: there is one value alone
    index = next;
  }
  return values;
}

// Blocking reads of a whole chunk could wait on a slow sender far beyond the deadline, so
// the chunk is filled with what has arrived, each wait bounded by the time left.
std::size_t HttpRequest::ReadChunk(char* chunk, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size && !done_) {
    const Clock::time_point now = Clock::now();
    if (now >= deadline_) {
      Fail({FailureKind::TimedOut, static_cast<std::int64_t>(limits_.total.count())});
      done_ = true;
      break;
    }
    if (!SetTimeout(request_.Get(), INTERNET_OPTION_RECEIVE_TIMEOUT, Milliseconds(deadline_ - now))) {
      FailWithLastError();
      done_ = true;
      break;
    }
    PumpMessages();
    const std::optional<DWORD> available = Available();
    if (!available) {
      FailWithLastError();  // a broken connection, or the time ran out while waiting
      done_ = true;
      break;
    }
    if (*available == 0) {
      EndBody();
      break;
    }
    if (left_ == 0) {
      Fail({FailureKind::PageTooLarge, static_cast<std::int64_t>(limits_.maxBytes)});
      done_ = true;
      break;
    }
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>({*available, size - filled, left_}));
    std::vector<char>& bytes = completion_->bytes;
    bytes.resize(want);
    if (!Completed([&] { return InternetReadFile(request_.Get(), bytes.data(), want, &completion_->read); })) {
      FailWithLastError();
      done_ = true;
      break;
    }
    const DWORD read = completion_->read;
    if (read == 0) {
      EndBody();
      break;
    }
    std::copy_n(bytes.data(), read, chunk + filled);
    filled += read;
    left_ -= read;
    if (watch_ != nullptr) {
      const auto timeLeft = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
      watch_->ReportProgress({limits_.maxBytes - left_, std::max(timeLeft, std::chrono::milliseconds(0))});
    }
  }
  return filled;
}

}  // namespace getlink
