// Fuzz target: percent decoding and encoding, the host of a URL and the UTF-8 to GBK
// conversion. Input: a flags byte, then the text.
#include "http/UrlDecoding.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool IsPlainAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\0' || c == '%') return false;
  return true;
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const bool keepPort = (input.NextByte() & 1) != 0;
  const std::string_view text = input.Rest();

  const Text decoded = UrlDecode(text);
  Require(decoded.find('\0') == Text::npos, "decoded text holds no zero byte");
  if (IsPlainAscii(text)) Require(decoded == text, "ASCII without \"%\" decodes to itself");

  const Text wire = UrlForRequest(text);
  for (const char c : wire)
    Require(c > 0x20 && c < 0x7F, "a URL goes out as printable ASCII alone");
  if (IsPlainAscii(text)) Require(UrlDecode(wire) == text, "what goes out decodes back to the URL");

  const Text host = HostOfUrl(text, keepPort);
  Require(host.find('/') == Text::npos, "a host holds no slash");
  Require(keepPort || host.find(':') == Text::npos, "a host without its port holds no colon");

  const ByteSet gbk = Utf8ToGbk(ByteSet(text.begin(), text.end()));
  Require(gbk.size() <= text.size(), "GBK is never longer than the UTF-8 it comes from");
}

}  // namespace getlink::fuzz
