#include "runtime/ByteSets.h"

#include <algorithm>
#include <cstdint>

namespace getlink {

int ByteSetLength(const ByteSet& bytes) { return static_cast<int>(bytes.size()); }

ByteSet BlankByteSet(int n) { return n <= 0 ? ByteSet() : ByteSet(static_cast<std::size_t>(n), 0); }

ByteSet ByteSetFromMemory(const void* address, int n) {
  if (address == nullptr || n <= 0) return ByteSet();
  const auto* begin = static_cast<const std::uint8_t*>(address);
  return ByteSet(begin, begin + n);
}

ByteSet ByteSetLeft(const ByteSet& bytes, int n) {
  if (bytes.empty() || n <= 0) return ByteSet();
  const std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(n));
  return ByteSet(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

ByteSet ByteSetRight(const ByteSet& bytes, int n) {
  if (bytes.empty() || n <= 0) return ByteSet();
  const std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(n));
  return ByteSet(bytes.end() - static_cast<std::ptrdiff_t>(count), bytes.end());
}

ByteSet ByteSetMid(const ByteSet& bytes, int start, int n) {
  const std::int64_t length = ByteSetLength(bytes);
  if (length == 0 || n <= 0 || std::int64_t{start} - 1 > length) return ByteSet();
  if (start <= 0) start = 1;
  const std::int64_t count = std::int64_t{start} + n - 1 < length ? n : length - start + 1;
  if (count <= 0) return ByteSet();
  const auto first = bytes.begin() + (start - 1);
  return ByteSet(first, first + static_cast<std::ptrdiff_t>(count));
}

ByteSet ByteSetReplaceRange(const ByteSet& bytes, int start, int n, const ByteSet& replacement) {
  if (bytes.empty()) return replacement;
  if (std::int64_t{start} > ByteSetLength(bytes) || n <= 0) return bytes;
  const std::size_t a = static_cast<std::size_t>(std::max(start, 1) - 1);
  ByteSet result(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(a));
  result.insert(result.end(), replacement.begin(), replacement.end());
  if (bytes.size() - a >= static_cast<std::size_t>(n))
    result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(a + n), bytes.end());
  return result;
}

}  // namespace getlink
