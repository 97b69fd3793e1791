// Downloading a share page.
#pragma once

#include <chrono>
#include <cstddef>

#include "runtime/Text.h"

namespace getlink {

// How long and how much FetchPage reads at most.
struct FetchLimits {
  std::chrono::milliseconds total{30000};  // connecting and the whole download
  std::size_t maxBytes = 4u << 20;         // body bytes read
};

// GETs the link through WinINet (direct connection, never from the cache) and returns the
// body as text, with no look at the status or the headers. The body is taken in chunks of
// 1000 bytes, each only up to its first zero byte. The link is trimmed of surrounding
// blanks and line breaks; one that is not http(s) is not requested. A failed request
// gives the empty text; one that runs into a limit gives what was read until then.
Text FetchPage(std::string_view link, const FetchLimits& limits = {});

}  // namespace getlink
