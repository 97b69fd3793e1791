#include "http/FetchFailure.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

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

// Each kind's wording in both languages; {number}, {seconds}, {size}, {rule}, {step} and
// {text} stand for the failure's values. A kind's second wording ("alternative") is for a
// download that got no answer at all, and for a rule whose address is no web address.
struct KindWording {
  FailureKind kind;
  bool alternative;
  const char* chinese;
  const char* english;
};

constexpr KindWording kWordings[] = {
    {FailureKind::NotWebLink, false, "链接不是 http 或 https 地址", "the link is not an http or https address"},
    {FailureKind::TimedOut, false, "无法下载页面：{seconds} 后超时",
     "the page could not be downloaded: timed out after {seconds}"},
    {FailureKind::ConnectionRefused, false, "无法下载页面：连接被拒绝",
     "the page could not be downloaded: connection refused"},
    {FailureKind::ConnectionBroken, false, "无法下载页面：连接中断",
     "the page could not be downloaded: the connection broke"},
    {FailureKind::HostNotFound, false, "无法下载页面：找不到主机", "the page could not be downloaded: host not found"},
    {FailureKind::HttpStatus, false, "无法下载页面：HTTP 状态 {number}",
     "the page could not be downloaded: HTTP status {number}"},
    {FailureKind::PageTooLarge, false, "无法下载页面：页面大于 {size}",
     "the page could not be downloaded: larger than {size}"},
    {FailureKind::DownloadFailed, false, "无法下载页面：错误 {number}", "the page could not be downloaded: error {number}"},
    {FailureKind::DownloadFailed, true, "无法下载页面：服务器没有应答",
     "the page could not be downloaded: the server gave no answer"},
    {FailureKind::NoAddress, false, "页面中没有下载地址（分享已取消或页面已改版）",
     "the page carries no download address (the share was removed or the page changed)"},
    {FailureKind::RuleStopped, false, "没有下载地址：规则 {rule} 在第 {step} 步（{text}）没有得到内容",
     "no download address: rule {rule} got nothing at step {step} ({text})"},
    {FailureKind::RuleStopped, true, "没有下载地址：规则 {rule} 得到的地址不是 http 或 https 地址",
     "no download address: the address rule {rule} made is not an http or https address"},
    {FailureKind::RuleValueTooLong, false, "规则 {rule} 在第 {step} 步（{text}）得到的值大于 8 MiB",
     "rule {rule} made a value larger than 8 MiB at step {step} ({text})"},
    {FailureKind::RuleFailed, false, "{text}", "{text}"},
    {FailureKind::ShareNeedsCode, false, "这是私密分享，需要提取码（把提取码写在链接后面）",
     "a private share: it needs its extraction code (give it with the link, or --code CODE)"},
    {FailureKind::WrongCode, false, "提取码错误", "the extraction code is wrong"},
    {FailureKind::CaptchaWanted, false, "需要输入验证码，请稍后再试或在浏览器中打开",
     "the service wants a picture code (captcha): try later, or in a browser"},
    {FailureKind::CodePageUnexpected, false, "私密分享的提取码页面不是预期的样子（地址中没有 surl）",
     "the private share's code page is not as expected (its address has no surl)"},
    {FailureKind::VerifyAnswerNotJson, false, "验证提取码的应答不是预期的 JSON",
     "the answer to the extraction code is not the expected JSON"},
    {FailureKind::VerifyAnswerUnknown, false, "验证提取码的应答不是预期的：errno {number}",
     "the answer to the extraction code is not as expected: errno {number}"},
    {FailureKind::VerifyGaveNoCookie, false, "提取码正确，但应答没有给出打开分享的 cookie（BDCLND）",
     "the extraction code was taken, but the answer set no cookie to open the share (BDCLND)"},
};

bool TakesAlternative(const FetchFailure& failure) {
  return (failure.kind == FailureKind::DownloadFailed && failure.number == 0) ||
         (failure.kind == FailureKind::RuleStopped && failure.step == 0);
}

// The pattern with the failure's values put in, in one pass, so that a value holding a
// placeholder's name stays as it is; stepping by characters, since a GBK character's second
// byte may be "{".
Text Filled(std::string_view pattern, const FetchFailure& failure, Wording wording) {
  const std::pair<std::string_view, Text> values[] = {
      {"{number}", std::to_string(failure.number)}, {"{seconds}", SecondsText(failure.number)},
      {"{size}", SizeText(failure.number, wording)}, {"{rule}", failure.rule},
      {"{step}", std::to_string(failure.step)},     {"{text}", failure.text},
  };
  Text text;
  for (std::size_t at = 0; at < pattern.size();) {
    const auto value = std::find_if(std::begin(values), std::end(values),
                                    [&](const auto& entry) { return pattern.substr(at, entry.first.size()) == entry.first; });
    if (pattern[at] == '{' && value != std::end(values)) {
      text += value->second;
      at += value->first.size();
    } else {
      const std::size_t width = CharacterWidthAt(pattern, at);
      text += pattern.substr(at, width);
      at += width;
    }
  }
  return text;
}

}  // namespace

Text DescribeFailure(const FetchFailure& failure, Wording wording) {
  const bool alternative = TakesAlternative(failure);
  for (const KindWording& entry : kWordings) {
    if (entry.kind == failure.kind && entry.alternative == alternative)
      return Filled(wording == Wording::Chinese ? entry.chinese : entry.english, failure, wording);
  }
  return Text();
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
