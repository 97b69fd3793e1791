#include "app/BaiduShare.h"

#include <string>

#include "app/ShareLink.h"
#include "http/Cookies.h"
#include "http/UrlDecoding.h"
#include "runtime/JsonText.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::string_view kCodePagePath = "/share/init";
constexpr std::string_view kVerifyPath = "/share/verify";

// The scheme, host and port of a link, letters in lower case.
Text Origin(std::string_view link) {
  return LowerText(ConcatTexts(link.substr(0, link.find("://") + 3), LinkAuthority(link)));
}

// Whether the redirect leads to a private share's code page on the link's own host (its path
// holds "/share/init": the service's own host has it first, the stand-in server below its
// service's folder).
bool IsCodePage(std::string_view link, std::string_view target) {
  if (!IsWebLink(target) || Origin(target) != Origin(link)) return false;
  const std::string_view path = target.substr(Origin(target).size());
  return FindText(path.substr(0, path.find_first_of("?#")), kCodePagePath) != -1;
}

// The cookies a response set, into the fetch's jar.
void Keep(Text& jar, const RuleResponse& response) {
  Text cookies = CookiesSetBy(response.setCookies);
  if (!cookies.empty()) MergeCookies(jar, cookies);
}

RuleRequest Get(const Text& url, const Text& cookies) {
  RuleRequest request;
  request.url = url;
  if (!cookies.empty()) request.headers.emplace_back("Cookie", cookies);
  return request;
}

BaiduPageFetch Failed(FailureKind kind, std::int64_t number = 0) {
  BaiduPageFetch fetch;
  fetch.failure = FetchFailure(kind, number);
  return fetch;
}

BaiduPageFetch PageOf(RuleResponse response) {
  BaiduPageFetch fetch;
  fetch.page = std::move(response.body);
  fetch.failure = std::move(response.failure);
  return fetch;
}

// What the answer to the code says: nothing when it opened the share.
std::optional<FetchFailure> VerifyFailure(const RuleResponse& answer, const Text& jar) {
  if (answer.failure) return answer.failure;
  const std::optional<JsonValue> json =
      ParseJson(std::string_view(reinterpret_cast<const char*>(answer.body.data()), answer.body.size()));
  const JsonValue* errno_ = json && json->kind == JsonValue::Kind::Object ? json->Member("errno") : nullptr;
  if (errno_ == nullptr || errno_->kind != JsonValue::Kind::Number) return FetchFailure(FailureKind::VerifyAnswerNotJson);
  if (errno_->text == "-9") return FetchFailure(FailureKind::WrongCode);
  if (errno_->text == "-62") return FetchFailure(FailureKind::CaptchaWanted);
  if (errno_->text != "0") return FetchFailure(FailureKind::VerifyAnswerUnknown, std::stoll(errno_->text.substr(0, 18)));
  if (CookieListHasName(SplitText(RemoveBlanks(jar), ";"), "BDCLND")) return std::nullopt;
  return FetchFailure(FailureKind::VerifyGaveNoCookie);
}

}  // namespace

BaiduPageFetch FetchBaiduPage(std::string_view typedLink, const Text& code, RuleTransport& transport,
                              std::int64_t timeMs) {
  const Text link = TrimLink(typedLink);
  if (!IsWebLink(link)) return Failed(FailureKind::NotWebLink);
  Text jar;
  RuleRequest first = Get(link, jar);
  first.followRedirects = false;
  RuleResponse answer = transport.Send(first);
  const Text target = ResolveLink(link, answer.location);
  if (target.empty()) return PageOf(std::move(answer));
  Keep(jar, answer);
  if (!IsCodePage(link, target)) return PageOf(transport.Send(Get(target, jar)));  // a public share moved

  if (code.empty()) return Failed(FailureKind::ShareNeedsCode);
  if (FindText(target, "surl=") == -1) return Failed(FailureKind::CodePageUnexpected);
  RuleRequest verify = Get(ConcatTexts(ReplaceText(target, kCodePagePath, kVerifyPath, Case::Sensitive,
                                                   {1, 1}),
                                       "&t=", std::to_string(timeMs)),
                           jar);
  verify.method = "POST";
  verify.headers.emplace_back("Referer", target);
  verify.body = ConcatTexts("pwd=", FormValue(code), "&vcode=&vcode_str=");
  const RuleResponse verified = transport.Send(verify);
  Keep(jar, verified);
  if (std::optional<FetchFailure> failure = VerifyFailure(verified, jar)) {
    BaiduPageFetch fetch;
    fetch.failure = std::move(failure);
    return fetch;
  }
  return PageOf(transport.Send(Get(link, jar)));
}

}  // namespace getlink
