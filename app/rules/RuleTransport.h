// How a rule's requests reach the network: WinINet in the programs, saved pages and a
// stand-in in tests and in getlink-cli --try-rule --page.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "http/FetchFailure.h"
#include "runtime/Text.h"

namespace getlink {

struct RuleRequest {
  Text method = "GET";  // "GET" or "POST"
  Text url;             // an http or https address (GBK; sent as UrlForRequest writes it)
  std::vector<std::pair<Text, Text>> headers;  // lines to add, in order, without line breaks
  Text body;                   // a POST's form body, sent as application/x-www-form-urlencoded
  bool followRedirects = true;  // false: a redirect is the answer, its Location read
};

struct RuleResponse {
  // Why the request failed: nothing sent, no answer, an error status (whose body is still
  // given), a time or size bound reached (with what arrived until then).
  std::optional<FetchFailure> failure;
  ByteSet body;                  // as it arrived
  Text location;                 // the answer's Location header, as written
  std::vector<Text> setCookies;  // the answer's Set-Cookie header values, in order
};

class RuleTransport {
 public:
  virtual ~RuleTransport() = default;
  // Sends one request and waits for its whole answer, within today's bounds of a download
  // (FetchLimits).
  virtual RuleResponse Send(const RuleRequest& request) = 0;
};

}  // namespace getlink
