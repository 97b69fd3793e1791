#include "http/ResponseHeaders.h"

#include <algorithm>

#include "http/Cookies.h"
#include "http/HeaderText.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::string_view kUtf8Declaration = "charset=utf-8";
// A declaration counts in the body only when it starts within this many first bytes.
constexpr std::size_t kBodyDeclarationWindow = 499;

bool SameLetter(char a, char b) {
  return FoldAsciiCase(static_cast<unsigned char>(a)) == FoldAsciiCase(static_cast<unsigned char>(b));
}

// A byte search: the body is UTF-8, whose characters the GBK-aware text search would
// misread and step over.
bool HoldsDeclaration(std::string_view bytes) {
  return std::search(bytes.begin(), bytes.end(), kUtf8Declaration.begin(), kUtf8Declaration.end(),
                     SameLetter) != bytes.end();
}

}  // namespace

ResponseHeaderValues ReadResponseHeaders(std::string_view headerBlock) {
  ResponseHeaderValues values;
  for (const Text& line : SplitText(headerBlock, "\r\n")) {
    if (FindText(line, "Location:") != -1) values.location = HeaderLineValue(line);
    if (FindText(line, "Set-Cookie") != -1) values.newCookies += ConcatTexts(SetCookieEntry(line), "; ");
    if (CompareText(HeaderLineName(line), "Content-Length", Case::Insensitive) == 0)
      values.contentLength = ContentLengthValue(HeaderLineValue(line));
  }
  return values;
}

bool DeclaresUtf8(const ByteSet& body, std::string_view headerBlock) {
  const std::string_view bytes(reinterpret_cast<const char*>(body.data()), body.size());
  const std::size_t windowEnd = kBodyDeclarationWindow - 1 + kUtf8Declaration.size();
  return HoldsDeclaration(bytes.substr(0, windowEnd)) || HoldsDeclaration(headerBlock);
}

}  // namespace getlink
