// Characters of the edit box's GBK text, as code page 936 counts them: a lead byte
// 0x81..0xFE followed by a trail byte 0x40..0xFE (not 0x7F) is one double-byte
// character; every other byte is a character of its own. A column is one character, so
// column counts equal the UTF-16 lengths that MultiByteToWideChar(936) gives.
#pragma once

#include <cstddef>
#include <string_view>

namespace getlink {

inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Bytes of the character that starts at `index` (< text.size()): 1 or 2.
inline std::size_t GbkCharacterWidth(std::string_view text, std::size_t index) {
  return IsGbkLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size() &&
                 IsGbkTrailByte(static_cast<unsigned char>(text[index + 1]))
             ? 2
             : 1;
}

// Characters in `text`.
inline int GbkColumns(std::string_view text) {
  int columns = 0;
  for (std::size_t i = 0; i < text.size(); i += GbkCharacterWidth(text, i)) ++columns;
  return columns;
}

// Bytes of the first `columns` characters of `text` (all of it when it has fewer).
inline std::size_t GbkBytesOfColumns(std::string_view text, int columns) {
  std::size_t i = 0;
  for (int c = 0; c < columns && i < text.size(); ++c) i += GbkCharacterWidth(text, i);
  return i;
}

}  // namespace getlink
