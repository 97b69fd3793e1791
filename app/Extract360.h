// The 360云盘 extractor: resolves a short link, reads the share's id from its page and asks
// the service's download API for the address.
#pragma once

#include "http/FetchWatch.h"
#include "runtime/Text.h"

namespace getlink {

// The download address of the share link, or the empty text when any step fails. A short
// link (without "lk") is first resolved by a POST whose redirect is read, not followed; the
// share page comes from GetHttpFile; the API is asked by POST on the server of the long
// link. Only http and https links are requested. Runs on the caller's thread and
// initialises COM there for each web request. The watch, when given, hears of the share
// page's download and of why a step failed.
Text Extract360(std::string_view link, FetchWatch* watch = nullptr);

}  // namespace getlink
