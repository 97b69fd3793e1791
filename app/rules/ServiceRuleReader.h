// Reading a service rule file: JSON (UTF-8, a byte-order mark allowed, "//" comments
// allowed), checked whole before it is used. The format is in docs/service-rules.md.
#pragma once

#include <optional>

#include "app/rules/ServiceRule.h"
#include "runtime/FileFault.h"

namespace getlink {

struct ServiceRuleRead {
  std::optional<ServiceRule> rule;  // nothing when the file cannot be used
  FileFault fault;                  // why not, naming the file and the line
};

// Reads the bytes of the file `fileName` (the name the rule and its faults carry). Every
// fault of the file is found here, never while a fetch runs: an unknown key or verb, a
// missing or mistyped value, a template naming a value no earlier step gives, a string
// that GBK cannot hold, and every bound of app/rules/RuleLimits.h.
ServiceRuleRead ReadServiceRule(std::string_view bytes, std::string_view fileName);

}  // namespace getlink
