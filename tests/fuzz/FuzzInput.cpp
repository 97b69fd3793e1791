#include "tests/fuzz/FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace getlink::fuzz {

std::string_view FuzzInput::NextText() {
  const std::size_t zero = rest_.find('\0');
  const std::string_view text = rest_.substr(0, zero);
  rest_.remove_prefix(zero == std::string_view::npos ? rest_.size() : zero + 1);
  return text;
}

std::uint8_t FuzzInput::NextByte() {
  if (rest_.empty()) return 0;
  const auto byte = static_cast<std::uint8_t>(rest_.front());
  rest_.remove_prefix(1);
  return byte;
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace getlink::fuzz
