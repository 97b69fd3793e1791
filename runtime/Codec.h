// Conversions between the program's GBK text and other encodings. Every conversion names
// code page 936 explicitly, so results do not depend on the system's ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/Text.h"

namespace getlink {

// UTF-8 bytes to GBK bytes, the way MultiByteToWideChar(CP_UTF8) followed by
// WideCharToMultiByte(936, WC_COMPOSITECHECK) converts them: invalid UTF-8 and characters
// without a GBK form come out as '?'. Zero bytes of the input are kept.
std::string Utf8ToGbkBytes(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates); plain ASCII is.
bool IsUtf8(std::string_view bytes);

// How many bytes at the start are well-formed UTF-8 (all of them when IsUtf8).
std::size_t Utf8PrefixLength(std::string_view bytes);

// Whether code page 936 converts the bytes at `at` (inside the text) as one double-byte
// character: a lead byte (0x81-0xFE) with a trail byte (0x40-0xFE but 0x7F).
inline bool ConvertsAsPairAt(std::string_view gbk, std::size_t at) {
  const unsigned char byte = static_cast<unsigned char>(gbk[at]);
  const unsigned char trail = at + 1 < gbk.size() ? static_cast<unsigned char>(gbk[at + 1]) : 0;
  return byte >= 0x81 && byte <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

// Calls visit(character) for each character of the GBK text as a code page 936 conversion
// reads it: a lead byte (0x81-0xFE) with a trail byte (0x40-0xFE but 0x7F), or one byte. A
// byte of 0x81 and above that has no trail (and 0xFF) converts to no character of its own
// and may take the next byte with it: it is visited as "?", which is what it becomes. This
// is not CharacterWidthAt's stepping where the text is not well formed (0x80 and 0xFF lead
// no pair there): code that escapes or cleans text that is converted afterwards must step
// like this, or a byte it passed over, or one it inserted, could turn into "\" or "/" or
// vanish into a pair when converted.
template <class Visit>
void ForEachConvertedCharacter(std::string_view gbk, Visit visit) {
  for (std::size_t at = 0; at < gbk.size();) {
    if (ConvertsAsPairAt(gbk, at)) {
      visit(gbk.substr(at, 2));
      at += 2;
    } else {
      const bool single = static_cast<unsigned char>(gbk[at]) <= 0x80;  // 0x80 is the euro sign
      visit(single ? gbk.substr(at, 1) : std::string_view("?"));
      at += 1;
    }
  }
}

// Bytes a user wrote (standard input, a settings file) as GBK text: UTF-8, with or without
// a byte-order mark, is converted; anything else is taken to be GBK already.
Text TextOfUtf8OrGbk(std::string_view bytes);

// A text file as a user saved it, as GBK text: UTF-16 (little- or big-endian) with its
// byte-order mark, as Notepad saves "Unicode"; UTF-8 with or without a byte-order mark; or
// well-formed GBK ("ANSI" on a Chinese Windows). Nothing for bytes in none of these: UTF-16
// without its mark, a zero byte, a byte that starts no character.
std::optional<Text> TextOfSavedFile(std::string_view bytes);

// GBK bytes to UTF-8 (for output to files, pipes and the X clipboard in tests).
std::string GbkToUtf8(std::string_view gbk);

#ifdef _WIN32
// GBK text to UTF-16 for the wide Windows APIs, and back.
std::wstring ToWide(std::string_view gbk);
Text FromWide(std::wstring_view wide);
#endif

}  // namespace getlink
