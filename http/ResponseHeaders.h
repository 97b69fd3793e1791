// What a web request reads out of a response: the redirect target, the cookies it sets and
// whether its text is UTF-8.
#pragma once

#include <cstdint>
#include <optional>

#include "runtime/Text.h"

namespace getlink {

struct ResponseHeaderValues {
  // The value of the last line holding "Location:" (a Content-Location line counts too);
  // empty when no line does.
  Text location;
  // The cookie entry of every line holding "Set-Cookie", in order, each followed by "; ".
  Text newCookies;
  // The body's length as the last Content-Length line announces it (ContentLengthValue);
  // nothing without one.
  std::optional<std::uint64_t> contentLength;
};

// Reads the header block of a response, lines separated by "\r\n".
ResponseHeaderValues ReadResponseHeaders(std::string_view headerBlock);

// Whether a response declares UTF-8: "charset=utf-8" (letters in any case) starting within
// the body's first 499 bytes, or anywhere in the header block.
bool DeclaresUtf8(const ByteSet& body, std::string_view headerBlock);

}  // namespace getlink
