// Downloading a share page.
#pragma once

#include "http/FetchLimits.h"
#include "http/FetchWatch.h"
#include "runtime/Text.h"

namespace getlink {

// GETs the link through WinINet (direct connection, never from or into the cache) and
// returns the body as text, with no look at the status or the headers. The body is taken in
// chunks of 1000 bytes, each only up to its first zero byte. The link is trimmed of surrounding
// blanks and line breaks; one that is not http(s) is not requested. A failed request
// gives the empty text; one that runs into a limit gives what was read until then. The
// watch, when given, hears of the download's progress and of why it failed.
Text FetchPage(std::string_view link, const FetchLimits& limits = {}, FetchWatch* watch = nullptr);

}  // namespace getlink
