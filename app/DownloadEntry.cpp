#include "app/DownloadEntry.h"

#include <cstdio>

#include "runtime/Codec.h"

namespace getlink {
namespace {

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// Each single-byte character for which `replace` holds becomes what `with` makes of it.
// The text is stepped as its conversion will read it (a pair's second byte may be "\" in
// the text and stay one, or be a character of its own after the conversion).
template <class Replace, class With>
Text ReplaceBytes(std::string_view text, Replace replace, With with) {
  Text result;
  ForEachConvertedCharacter(text, [&](std::string_view character) {
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    result += character.size() == 1 && replace(byte) ? with(byte) : Text(character);
  });
  return result;
}

}  // namespace

Text LineSafeAddress(std::string_view address) {
  return ReplaceBytes(
      address, [](unsigned char byte) { return byte == ' ' || IsControl(byte); },
      [](unsigned char byte) {
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
        return Text(escaped);
      });
}

Text SafeFileName(std::string_view name) {
  const Text safe = ReplaceBytes(
      name, [](unsigned char byte) { return byte == '/' || byte == '\\' || byte == ':' || IsControl(byte); },
      [](unsigned char) { return Text("_"); });
  return safe.find_first_not_of('.') == Text::npos ? Text() : safe;
}

}  // namespace getlink
