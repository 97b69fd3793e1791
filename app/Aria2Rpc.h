// aria2's JSON-RPC call aria2.addUri, as text: the request's body, what aria2's answer (or
// the lack of one) means, and how that is said. The exchange itself is SendToAria2's.
#pragma once

#include <cstdint>
#include <optional>

#include "http/FetchFailure.h"
#include "runtime/Text.h"

namespace getlink {

enum class Aria2Result {
  Sent,           // aria2 took the address
  BadRpcAddress,  // the RPC address is not http or https: nothing was sent
  NotRunning,     // nothing listens at the RPC address (refused, or its host unknown)
  SecretRefused,  // aria2 answered that the secret is wrong (or missing)
  NoAnswer,       // no answer within the time bound
  NotAria2,       // an answer, but not aria2's; number: its HTTP status when not 2xx
  Refused,        // aria2 answered with an error; message: its words
  Failed,         // the request failed otherwise; number: the system's error code
};

struct Aria2Outcome {
  Aria2Result result = Aria2Result::Sent;
  std::int64_t number = 0;  // what the result says it is; 0 otherwise
  Text message;             // aria2's error message (GBK) for Refused
  Text rpc;                 // the RPC address it was sent to, without user name and password

  bool operator==(const Aria2Outcome& other) const {
    return result == other.result && number == other.number && message == other.message && rpc == other.rpc;
  }
};

// The UTF-8 body of aria2.addUri with the address (as the aria2 format writes it,
// LineSafeAddress) and, when SafeFileName leaves one, the file name as the "out" option:
// {"jsonrpc":"2.0","id":"getlink","method":"aria2.addUri",
//  "params":["token:SECRET",["ADDRESS"],{"out":"NAME"}]}, the token only with a secret.
// The texts are GBK.
std::string Aria2AddUriBody(std::string_view secret, std::string_view address, std::string_view fileName);

// What an answer with this body means; httpStatus is the answer's status. aria2 answers
// errors with a status of 400 and a JSON-RPC error, so the body decides: a JSON-RPC 2.0
// object with a "result" is Sent, one with an "error" whose message is "Unauthorized" is
// SecretRefused, another error is Refused; anything else is NotAria2.
Aria2Outcome Aria2OutcomeOfAnswer(std::string_view rpc, std::uint32_t httpStatus, std::string_view body);

// What a request that got no answer means: a refused connection and an unknown host are
// NotRunning, a time-out NoAnswer, a connection closed without an answer NotAria2.
Aria2Outcome Aria2OutcomeOfFailure(std::string_view rpc, const FetchFailure& failure);

// One line, without a full stop: "已发送到 aria2", or "无法发送：..." in the window's status
// strip (short, for the strip's width: the send to aria2 is what the user just asked for);
// "sent to aria2", or "the address could not be sent to aria2: ..." on getlink-cli's standard
// error and in its JSON.
Text DescribeAria2Outcome(const Aria2Outcome& outcome, Wording wording);

}  // namespace getlink
