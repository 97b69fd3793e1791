// Fuzz target: reading a response's header block (redirect target, cookies) and the rule
// that decides whether its body is UTF-8. Input: the header block and the body, separated
// by a zero byte (the body may hold more).
#include "http/RequestHeaders.h"
#include "http/ResponseHeaders.h"
#include "runtime/TextConvert.h"
#include "runtime/TextSearch.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

constexpr std::string_view kDeclaration = "charset=utf-8";

// "charset=utf-8", letters in any case, starting within the first `window` bytes (all of
// them when window is npos): the rule as plainly as it can be written.
bool DeclaresPlainly(std::string_view bytes, std::size_t window) {
  for (std::size_t at = 0; at < bytes.size() && at < window; ++at) {
    if (bytes.size() - at < kDeclaration.size()) return false;
    std::size_t i = 0;
    while (i < kDeclaration.size() && FoldAsciiCase(static_cast<unsigned char>(bytes[at + i])) ==
                                          static_cast<unsigned char>(kDeclaration[i]))
      ++i;
    if (i == kDeclaration.size()) return true;
  }
  return false;
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view block = input.NextText();
  const std::string_view rest = input.Rest();
  const ByteSet body(rest.begin(), rest.end());

  const ResponseHeaderValues values = ReadResponseHeaders(block);
  Require(FindText(values.location, "\r\n") == -1, "the redirect target is within one line");
  Require(values.newCookies.empty() || values.newCookies.substr(values.newCookies.size() - 2) == "; ",
          "every new cookie is followed by \"; \"");

  const bool declared = DeclaresPlainly(rest, 499) || DeclaresPlainly(block, std::string_view::npos);
  Require(DeclaresUtf8(body, block) == declared, "UTF-8 is declared in the first 499 bytes or the headers");

  for (const HeaderField& field : RequestHeaderFields(block))
    Require(field.name.find(':') == Text::npos, "a header name stops at the first colon");
}

}  // namespace getlink::fuzz
