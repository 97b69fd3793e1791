// A rule's requests over WinINet: each one on a session of its own, with the bounds of a
// page download, never from or into the cache and without WinINet's cookie store (the
// rule's run keeps the fetch's cookies itself, and nothing it receives is kept on disk).
#pragma once

#include "app/rules/RuleTransport.h"
#include "http/FetchLimits.h"
#include "http/FetchWatch.h"

namespace getlink {

class WinInetRuleTransport : public RuleTransport {
 public:
  explicit WinInetRuleTransport(FetchWatch::ProgressHook onProgress = {}, const FetchLimits& limits = {})
      : onProgress_(std::move(onProgress)), limits_(limits) {}

  // A POST's body goes as application/x-www-form-urlencoded. With followRedirects false, a
  // redirect's status is no failure: its Location is the answer.
  RuleResponse Send(const RuleRequest& request) override;

 private:
  FetchWatch::ProgressHook onProgress_;
  FetchLimits limits_;
};

}  // namespace getlink
