// The bounds of a rule file and of a run through it. Rule files are passed around like
// scripts, so every one of these keeps a hostile file from costing time, memory or stack.
#pragma once

#include <cstddef>

namespace getlink::rule_limits {

constexpr std::size_t kFileBytes = 256 * 1024;  // checked before the file is read
constexpr int kNesting = 16;                     // arrays and objects inside each other
constexpr std::size_t kStringBytes = 4096;       // any string of the file: markers, templates
constexpr std::size_t kNameBytes = 32;           // a service's or a value's name
constexpr std::size_t kTitleBytes = 64;          // the title, once GBK
constexpr int kHosts = 32;
constexpr int kSteps = 64;     // a rule has no loops, so this also bounds the steps of a fetch
constexpr int kRequests = 8;   // get and post steps
constexpr int kFiles = 64;     // rule files read from one folder
constexpr std::size_t kValueBytes = 8u << 20;  // any value of a run

}  // namespace getlink::rule_limits
