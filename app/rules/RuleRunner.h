// Running a service rule: its steps in order, once each, against a transport.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "app/ShareInfo.h"
#include "app/rules/RuleTransport.h"
#include "app/rules/ServiceRule.h"

namespace getlink {

struct RuleInput {
  RuleInput(Text link, Text code = Text(), std::int64_t timeMs = 0)  // NOLINT: a link alone is an input
      : link(std::move(link)), code(std::move(code)), timeMs(timeMs) {}

  Text link;                // the share link (trimmed here)
  Text code;                // the extraction code found with it, or empty
  std::int64_t timeMs = 0;  // {time}: milliseconds since 1970
};

// What one step did, for getlink-cli --try-rule: the 1-based step, whether it ran (its
// condition held) and the value it gave.
struct RuleStepReport {
  int number = 0;
  const RuleStep* step = nullptr;
  bool ran = false;
  const Text* value = nullptr;  // the step's output; null for a fail step
};
using RuleStepHook = std::function<void(const RuleStepReport&)>;

struct RuleOutcome {
  ShareInfo info;                        // every field the rule's result names
  std::optional<FetchFailure> failure;   // why no address came back; nothing when one did
};

// Runs the rule's steps top to bottom. A request whose address comes out empty ends the
// run there; one that is not http(s) is not sent (NotWebLink). A failed request does not
// end the run, as a built-in goes on with an empty page: when no address comes back, the
// reason is the failure of the last request that failed, else a fail step's reason, else
// the step where the address's value first came out empty. The fetch's cookies are kept
// across its requests. The address is kept only when it is an http(s) address.
RuleOutcome RunServiceRule(const ServiceRule& rule, const RuleInput& input, RuleTransport& transport,
                           const RuleStepHook& onStep = {});

}  // namespace getlink
