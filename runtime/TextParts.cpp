#include "runtime/TextParts.h"

#include <cstdint>

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

}  // namespace getlink
