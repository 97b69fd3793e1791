// Why a fetch gave no download address, as a value: the window shows it in its status
// strip, getlink-cli on standard error and in its JSON lines.
#pragma once

#include <chrono>
#include <cstdint>

#include "runtime/Text.h"
#include "runtime/Wording.h"

namespace getlink {

enum class FailureKind {
  NotWebLink,         // the link is not an http(s) address: nothing was requested
  TimedOut,           // the download ran out of time; number: the bound in milliseconds
  ConnectionRefused,  // the server could not be connected to
  ConnectionBroken,   // the connection broke before the whole answer arrived
  HostNotFound,       // the host name did not resolve
  HttpStatus,         // the server answered with an error status; number: the status
  PageTooLarge,       // the page was cut at the size bound; number: the bound in bytes
  DownloadFailed,     // any other network failure; number: the system's error code, 0 when
                      // the server gave no answer at all
  NoAddress,          // the page arrived but carries no download address
  RuleStopped,        // a service rule found no address; rule, step: where its address went empty
  RuleValueTooLong,   // a value of a service rule grew past its bound; rule, step: where
  RuleFailed,         // a service rule's own "fail" step; text: the rule's reason
  ShareNeedsCode,     // a private share, and no extraction code came with the link
  WrongCode,          // the service refused the extraction code
  CaptchaWanted,      // the service wants a picture code before it takes another code
  CodePageUnexpected,     // a private share's code page is not where or what it should be
  VerifyAnswerNotJson,    // the answer to the code is no JSON with an errno
  VerifyAnswerUnknown,    // the answer to the code has another errno; number: the errno
  VerifyGaveNoCookie,     // the code was taken, but the answer set no cookie to open the share
};

struct FetchFailure {
  FetchFailure() = default;
  FetchFailure(FailureKind kind, std::int64_t number = 0) : kind(kind), number(number) {}  // NOLINT: implicit on purpose

  FailureKind kind = FailureKind::NoAddress;
  std::int64_t number = 0;  // what the kind says it is; 0 otherwise
  Text rule;                // the rule kinds: the rule's file ("services\baidu.json")
  int step = 0;             // the rule kinds: the 1-based step, 0 for the result
  Text text;                // RuleStopped, RuleValueTooLong: the step ("cut dlink"); RuleFailed: the reason

  bool operator==(const FetchFailure& other) const {
    return kind == other.kind && number == other.number && rule == other.rule && step == other.step &&
           text == other.text;
  }
  bool operator!=(const FetchFailure& other) const { return !(*this == other); }
};

// One line in plain words, without a full stop: "无法下载页面：连接被拒绝" for the window,
// "the page could not be downloaded: connection refused" for the command line.
Text DescribeFailure(const FetchFailure& failure, Wording wording);

// The failure that a system error code of a download (WinINet's and WinHttp's share their
// numbers) stands for; `bound` is the download's time bound, which a time-out reports.
FetchFailure FailureFromSystemError(unsigned long error, std::chrono::milliseconds bound);

}  // namespace getlink
