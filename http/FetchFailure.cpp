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
    case FailureKind::RuleStopped:
      return failure.step > 0
                 ? ConcatTexts("没有下载地址：规则 ", failure.rule, " 在第 ", std::to_string(failure.step), " 步（", failure.text, "）没有得到内容")
                 : ConcatTexts("没有下载地址：规则 ", failure.rule, " 得到的地址不是 http 或 https 地址");
    case FailureKind::RuleValueTooLong:
      return ConcatTexts("规则 ", failure.rule, " 在第 ", std::to_string(failure.step), " 步（", failure.text, "）得到的值大于 8 MiB");
    case FailureKind::RuleFailed: return failure.text;
    case FailureKind::ShareNeedsCode: return "这是私密分享，需要提取码（把提取码写在链接后面）";
    case FailureKind::WrongCode: return "提取码错误";
    case FailureKind::CaptchaWanted: return "需要输入验证码，请稍后再试或在浏览器中打开";
    case FailureKind::CodePageUnexpected: return "私密分享的提取码页面不是预期的样子（地址中没有 surl）";
    case FailureKind::VerifyAnswerNotJson: return "验证提取码的应答不是预期的 JSON";
    case FailureKind::VerifyAnswerUnknown: return ConcatTexts("验证提取码的应答不是预期的：errno ", number);
    case FailureKind::VerifyGaveNoCookie: return "提取码正确，但应答没有给出打开分享的 cookie（BDCLND）";
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
    case FailureKind::RuleStopped:
      return failure.step > 0
                 ? ConcatTexts("no download address: rule ", failure.rule, " got nothing at step ", std::to_string(failure.step), " (", failure.text, ")")
                 : ConcatTexts("no download address: the address rule ", failure.rule, " made is not an http or https address");
    case FailureKind::RuleValueTooLong:
      return ConcatTexts("rule ", failure.rule, " made a value larger than 8 MiB at step ", std::to_string(failure.step), " (", failure.text, ")");
    case FailureKind::RuleFailed: return failure.text;
    case FailureKind::ShareNeedsCode:
      return "a private share: it needs its extraction code (give it with the link, or --code CODE)";
    case FailureKind::WrongCode: return "the extraction code is wrong";
    case FailureKind::CaptchaWanted: return "the service wants a picture code (captcha): try later, or in a browser";
    case FailureKind::CodePageUnexpected: return "the private share's code page is not as expected (its address has no surl)";
    case FailureKind::VerifyAnswerNotJson: return "the answer to the extraction code is not the expected JSON";
    case FailureKind::VerifyAnswerUnknown: return ConcatTexts("the answer to the extraction code is not as expected: errno ", number);
    case FailureKind::VerifyGaveNoCookie:
      return "the extraction code was taken, but the answer set no cookie to open the share (BDCLND)";
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
