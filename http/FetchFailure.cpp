#include "http/FetchFailure.h"

#include <string>

namespace getlink {
namespace {

// The error codes of WinINet (ERROR_INTERNET_*), which WinHttp (ERROR_WINHTTP_*) shares.
constexpr unsigned long kErrorTimeout = 12002;
constexpr unsigned long kErrorNameNotResolved = 12007;
constexpr unsigned long kErrorCannotConnect = 12029;
constexpr unsigned long kErrorConnectionAborted = 12030;
constexpr unsigned long kErrorConnectionReset = 12031;

// "30 s", "1.5 s".
Text SecondsText(std::int64_t milliseconds) {
  Text text = std::to_string(milliseconds / 1000);
  if (const std::int64_t rest = milliseconds % 1000) {
    Text fraction = std::to_string(1000 + rest).substr(1);  // three digits
    while (fraction.back() == '0') fraction.pop_back();
    text += "." + fraction;
  }
  return text + " s";
}

// "4 MiB", "512 KiB", "100 bytes" / "100 字节".
Text SizeText(std::int64_t bytes, Wording wording) {
  if (bytes > 0 && bytes % (1 << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  if (bytes > 0 && bytes % (1 << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
  return std::to_string(bytes) + (wording == Wording::Chinese ? " 字节" : " bytes");
}

Text ChineseDescription(const FetchFailure& failure) {
  const Text number = std::to_string(failure.number);
  switch (failure.kind) {
    case FailureKind::NotWebLink: return "链接不是 http 或 https 地址";
    case FailureKind::TimedOut: return ConcatTexts("无法下载页面：", SecondsText(failure.number), " 后超时");
    case FailureKind::ConnectionRefused: return "无法下载页面：连接被拒绝";
    case FailureKind::ConnectionBroken: return "无法下载页面：连接中断";
    case FailureKind::HostNotFound: return "无法下载页面：找不到主机";
    case FailureKind::HttpStatus: return ConcatTexts("无法下载页面：HTTP 状态 ", number);
    case FailureKind::PageTooLarge:
      return ConcatTexts("无法下载页面：页面大于 ", SizeText(failure.number, Wording::Chinese));
    case FailureKind::DownloadFailed:
      return failure.number == 0 ? Text("无法下载页面：服务器没有应答") : ConcatTexts("无法下载页面：错误 ", number);
    case FailureKind::NoAddress: return "页面中没有下载地址（分享已取消或页面已改版）";
  }
  return Text();
}

Text EnglishDescription(const FetchFailure& failure) {
  const Text number = std::to_string(failure.number);
  switch (failure.kind) {
    case FailureKind::NotWebLink: return "the link is not an http or https address";
    case FailureKind::TimedOut:
      return ConcatTexts("the page could not be downloaded: timed out after ", SecondsText(failure.number));
    case FailureKind::ConnectionRefused: return "the page could not be downloaded: connection refused";
    case FailureKind::ConnectionBroken: return "the page could not be downloaded: the connection broke";
    case FailureKind::HostNotFound: return "the page could not be downloaded: host not found";
    case FailureKind::HttpStatus: return ConcatTexts("the page could not be downloaded: HTTP status ", number);
    case FailureKind::PageTooLarge:
      return ConcatTexts("the page could not be downloaded: larger than ", SizeText(failure.number, Wording::English));
    case FailureKind::DownloadFailed:
      return failure.number == 0 ? Text("the page could not be downloaded: the server gave no answer")
                                 : ConcatTexts("the page could not be downloaded: error ", number);
    case FailureKind::NoAddress:
      return "the page carries no download address (the share was removed or the page changed)";
  }
  return Text();
}

}  // namespace

Text DescribeFailure(const FetchFailure& failure, Wording wording) {
  return wording == Wording::Chinese ? ChineseDescription(failure) : EnglishDescription(failure);
}

FetchFailure FailureFromSystemError(unsigned long error, std::chrono::milliseconds bound) {
  switch (error) {
    case kErrorTimeout: return {FailureKind::TimedOut, static_cast<std::int64_t>(bound.count())};
    case kErrorNameNotResolved: return {FailureKind::HostNotFound};
    case kErrorCannotConnect: return {FailureKind::ConnectionRefused};
    case kErrorConnectionAborted:
    case kErrorConnectionReset: return {FailureKind::ConnectionBroken};
    default: return {FailureKind::DownloadFailed, static_cast<std::int64_t>(error)};
  }
}

}  // namespace getlink
