#include "runtime/TextParts.h"

#include <cstdint>

#include "runtime/TextSearch.h"

namespace getlink {

Text LeftText(std::string_view text, int n) {
  if (text.empty() || n <= 0) return Text();
  return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text RightText(std::string_view text, int n) {
  if (text.empty() || n <= 0) return Text();
  if (static_cast<std::size_t>(n) >= text.size()) return Text(text);
  return Text(text.substr(text.size() - static_cast<std::size_t>(n)));
}

Text MidText(std::string_view text, int start, int n) {
  const std::int64_t length = TextLength(text);
  if (length == 0 || n < 1 || start <= 0 || start > length) return Text();
  std::int64_t count = n;
  if (std::int64_t{start} + count > length) count = length - start + 1;
  return Text(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

std::vector<Text> SplitText(std::string_view text, std::string_view separator) {
  std::vector<Text> parts;
  if (text.empty()) return parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  std::size_t from = 0;
  while (from < text.size()) {
    const int found = FindText(text, separator, static_cast<int>(from) + 1);
    if (found < 0) {
      parts.emplace_back(text.substr(from));
      break;
    }
    const std::size_t at = static_cast<std::size_t>(found - 1);
    parts.emplace_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  return parts;
}

}  // namespace getlink
