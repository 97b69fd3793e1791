// What a web request sends besides its body: the header lines and the timeouts.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/Text.h"

namespace getlink {

// The header block a request carries when its caller gives none: Referer (the request URL
// itself), Accept, Accept-Language, User-Agent and Content-Type, joined by "\r\n".
Text DefaultRequestHeaders(std::string_view url);

struct HeaderField {
  Text name;
  Text value;
};

// The header lines of a block joined by "\r\n", in order, empty lines skipped. Name and
// value are the text before and after the line's first ":", trimmed; a line without ":"
// gives an empty name and value (which the request object refuses).
std::vector<HeaderField> RequestHeaderFields(std::string_view headers);

// Whether the text holds a CR or LF byte. Such a header value would add lines of its own
// to the request, so it is never sent.
bool HoldsLineBreak(std::string_view text);

// The milliseconds that every timeout of a request gets: nothing for -1 (the object's own
// timeouts stay), 15000 for any other value below 1, else the seconds times 1000 (held
// within the 32-bit range).
std::optional<std::int32_t> RequestTimeoutMilliseconds(std::int32_t timeoutSeconds);

}  // namespace getlink
