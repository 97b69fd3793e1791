// The program's value types: GBK text and byte sets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace getlink {

// A text of the program: GBK bytes (Windows code page 936). Lengths and positions count
// bytes; positions are 1-based and -1 means "not found". The empty string is the empty
// text. Texts built by the text functions never hold a zero byte.
using Text = std::string;

// Raw bytes; the empty vector is the empty byte set.
using ByteSet = std::vector<std::uint8_t>;

// How letters compare in searches: Insensitive folds the ASCII letters A-Z onto a-z and
// compares every other byte, including every byte of 0x80 and above, unchanged.
enum class Case { Sensitive, Insensitive };

// Bytes of the text (its length in GBK bytes; a Chinese character counts 2).
inline int TextLength(std::string_view text) { return static_cast<int>(text.size()); }

// Joins any number of texts (anything convertible to std::string_view) in order.
template <class... Parts>
Text ConcatTexts(const Parts&... parts) {
  const std::string_view views[] = {std::string_view(parts)...};
  std::size_t total = 0;
  for (std::string_view v : views) total += v.size();
  Text result;
  result.reserve(total);
  for (std::string_view v : views) result.append(v.data(), v.size());
  return result;
}

// Width in bytes of the character that starts at `index` of a GBK text: 2 for a lead byte
// (0x80 or above) followed by a byte that can end a double-byte character (0x40..0xFF
// except 0x7F), else 1. A stray high byte therefore never swallows the quote, bracket or
// line break that follows it. Expects index < text.size().
inline std::size_t CharacterWidthAt(std::string_view text, std::size_t index) {
  if (static_cast<unsigned char>(text[index]) < 0x80 || index + 1 >= text.size()) return 1;
  const unsigned char trail = static_cast<unsigned char>(text[index + 1]);
  return (trail < 0x40 || trail == 0x7F) ? 1 : 2;
}

// Calls visit(character) for each character of a GBK text, as a string_view of one byte, or
// of two for a double-byte character (whose second byte may look like ASCII, "\" included).
template <class Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t width = CharacterWidthAt(text, at);
    visit(text.substr(at, width));
    at += width;
  }
}

// A byte that can never be the second byte of a double-byte character: the scan that
// steps over characters is always on a character boundary right after such a byte.
inline bool IsSyncByte(unsigned char byte) { return byte < 0x40 || byte == 0x7F; }

inline unsigned char FoldAsciiCase(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Whether the bytes of `sub` stand at offset `at` of `text` (which must hold them all).
inline bool MatchesAt(std::string_view text, std::size_t at, std::string_view sub, Case letters) {
  if (letters == Case::Sensitive) return text.compare(at, sub.size(), sub) == 0;
  for (std::size_t i = 0; i < sub.size(); ++i) {
    if (FoldAsciiCase(static_cast<unsigned char>(text[at + i])) !=
        FoldAsciiCase(static_cast<unsigned char>(sub[i])))
      return false;
  }
  return true;
}

}  // namespace getlink
