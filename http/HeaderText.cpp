#include "http/HeaderText.h"

#include "runtime/TextBuild.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

// Where the line's first ":" stands (0-based), or npos.
std::size_t ColonOf(std::string_view line) {
  const int found = FindText(line, ":");
  return found < 0 ? std::string_view::npos : static_cast<std::size_t>(found - 1);
}

Text ExpandQuoteMarker(std::string_view marker) {
  return ReplaceText(marker, "#引号", "\"", Case::Sensitive);
}

}  // namespace

Text HeaderLineName(std::string_view line) {
  const std::size_t colon = ColonOf(line);
  return colon == std::string_view::npos ? Text() : TrimBlanks(line.substr(0, colon));
}

Text HeaderLineValue(std::string_view line) {
  const std::size_t colon = ColonOf(line);
  return colon == std::string_view::npos ? Text() : TrimBlanks(line.substr(colon + 1));
}

std::optional<std::uint64_t> ContentLengthValue(std::string_view value) {
  constexpr std::uint64_t kLargest = ~std::uint64_t{0};
  if (value.empty()) return std::nullopt;
  std::uint64_t length = 0;
  for (char digit : value) {
    if (digit < '0' || digit > '9') return std::nullopt;
    const unsigned worth = static_cast<unsigned>(digit - '0');
    if (length > (kLargest - worth) / 10) return std::nullopt;
    length = length * 10 + worth;
  }
  return length;
}

Text TextBetween(std::string_view text, std::string_view left, std::string_view right,
                 int start, Case letters) {
  const Text leftMarker = ExpandQuoteMarker(left);
  const Text rightMarker = ExpandQuoteMarker(right);
  const int leftAt = FindText(text, leftMarker, start < 1 ? 1 : start, letters);
  if (leftAt < 0) return Text();
  const int cutStart = leftAt + TextLength(leftMarker);
  const int rightAt = FindText(text, rightMarker, cutStart, letters);
  if (rightAt < 0) return Text();
  return Text(text.substr(static_cast<std::size_t>(cutStart - 1),
                          static_cast<std::size_t>(rightAt - cutStart)));
}

}  // namespace getlink
