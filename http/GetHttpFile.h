// The HTTP/1.0 read of a whole file.
#pragma once

#include "http/FetchLimits.h"
#include "http/FetchWatch.h"
#include "runtime/Text.h"

namespace getlink {

// GETs the url (http or https) with HTTP/1.0, never from or into the cache, over one
// WinINet session that stays open for the rest of the run, and returns the body bytes
// whatever the status. Empty when the url is not http(s) or the request fails; what was
// read until then when a limit is reached. The watch, when given, hears of the download's
// progress and of why it failed.
ByteSet GetHttpFile(std::string_view url, const FetchLimits& limits = {}, FetchWatch* watch = nullptr);

}  // namespace getlink
