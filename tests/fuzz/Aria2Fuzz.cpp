// Fuzz target: what goes to aria2 and what comes back. The aria2.addUri body built from a
// secret, an address and a file name that a share page filled; the answer of whatever
// listens at the RPC address; getlink.ini's settings. Input: the secret, the address and
// the name, separated by zero bytes; the rest is both the answer and the settings file.
#include "app/Aria2Rpc.h"
#include "app/Aria2Settings.h"
#include "runtime/Codec.h"
#include "runtime/JsonText.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view secret = input.NextText();
  const std::string_view address = input.NextText();
  const std::string_view name = input.NextText();
  const std::optional<JsonValue> body = ParseJson(Aria2AddUriBody(secret, address, name));
  Require(body.has_value(), "the request's body is JSON in UTF-8 whatever the page's bytes");
  const JsonValue* params = body->Member("params");
  Require(params != nullptr && !params->items.empty(), "the call has parameters");
  const JsonValue& options = params->items.back();
  const bool named = options.kind == JsonValue::Kind::Object;
  Require(params->items.size() == (secret.empty() ? 1u : 2u) + (named ? 1u : 0u),
          "the parameters are the token, the address list and the options, no more");
  if (named) {
    const std::string* out = options.StringMember("out");
    Require(options.memberNames.size() == 1 && out != nullptr && out->find_first_of("/\\:") == std::string::npos &&
                out->find_first_not_of('.') != std::string::npos,
            "the only option is a file name without a path, a drive or a stream");
  }

  const std::string_view answer = input.Rest();
  const Aria2Outcome outcome = Aria2OutcomeOfAnswer("http://127.0.0.1:6800/jsonrpc", 200, answer);
  Require(!HoldsLineBreak(DescribeAria2Outcome(outcome, Wording::English)), "the reason is one line");

  const Aria2Settings settings = Aria2SettingsFromIni(answer);
  Require(IsAria2RpcAddress(settings.rpc), "the RPC address is an http(s) address");
  for (const Aria2SettingsProblem& problem : settings.problems)
    Require(!HoldsLineBreak(DescribeAria2SettingsProblem(problem, Wording::Chinese)), "a problem is told in one line");
}

}  // namespace getlink::fuzz
