#include "http/RequestHeaders.h"

#include <algorithm>
#include <limits>

#include "http/HeaderText.h"
#include "runtime/TextParts.h"

namespace getlink {
namespace {

constexpr char kDefaultHeadersAfterReferer[] =
    "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; "
    "Windows NT 6.1; QX7RB; .NET CLR 2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)\r\n"
    "Content-Type: application/x-www-form-urlencoded";

constexpr std::int32_t kLeaveTimeouts = -1;
constexpr std::int32_t kDefaultTimeoutMs = 15000;

}  // namespace

Text DefaultRequestHeaders(std::string_view url) {
  return ConcatTexts("Referer: ", url, kDefaultHeadersAfterReferer);
}

std::vector<HeaderField> RequestHeaderFields(std::string_view headers) {
  std::vector<HeaderField> fields;
  for (const Text& line : SplitText(headers, "\r\n")) {
    if (line.empty()) continue;
    fields.push_back({HeaderLineName(line), HeaderLineValue(line)});
  }
  return fields;
}

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::optional<std::int32_t> RequestTimeoutMilliseconds(std::int32_t timeoutSeconds) {
  if (timeoutSeconds == kLeaveTimeouts) return std::nullopt;
  if (timeoutSeconds < 1) return kDefaultTimeoutMs;
  const std::int64_t ms = static_cast<std::int64_t>(timeoutSeconds) * 1000;
  return static_cast<std::int32_t>(std::min<std::int64_t>(ms, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace getlink
