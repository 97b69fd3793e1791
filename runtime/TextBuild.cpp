#include "runtime/TextBuild.h"

#include <cstring>

namespace getlink {
namespace {

template <class MapAscii>
Text MapAsciiLetters(std::string_view text, MapAscii map) {
  Text result(text);
  for (std::size_t i = 0; i < result.size();) {
    const std::size_t width = CharacterWidthAt(result, i);
    if (width == 1) result[i] = static_cast<char>(map(static_cast<unsigned char>(result[i])));
    i += width;
  }
  return result;
}

// Whether the character of `width` bytes at `index` is an ASCII or a full-width blank.
bool IsBlankAt(std::string_view text, std::size_t index, std::size_t width) {
  return width == 1 ? text[index] == ' ' : text.compare(index, 2, "\xA1\xA1") == 0;
}

}  // namespace

Text ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                 Case letters, ReplaceRange range) {
  const std::size_t length = text.size();
  const std::size_t findLength = find.size();
  if (length == 0) return Text();
  if (findLength == 0 || length < findLength) return Text(text);
  if (range.start <= 0 || range.count <= 0 ||
      static_cast<std::size_t>(range.start) > length - findLength + 1)
    return Text(text);

  Text result;
  result.reserve(length);
  std::size_t mark = 0;
  int replaced = 0;
  for (std::size_t p = range.start - 1; p + findLength <= length;) {
    if (MatchesAt(text, p, find, letters)) {
      result.append(text.data() + mark, p - mark);
      result.append(replacement.data(), replacement.size());
      p += findLength;
      mark = p;
      if (++replaced == range.count) break;
    } else {
      p += CharacterWidthAt(text, p);
    }
  }
  result.append(text.data() + mark, length - mark);
  return result;
}

Text CopyText(std::string_view text) { return Text(text); }

Text RemoveBlanks(std::string_view text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t width = CharacterWidthAt(text, i);
    if (!IsBlankAt(text, i, width)) result.append(text.data() + i, width);
    i += width;
  }
  return result;
}

Text TrimBlanks(std::string_view text) {
  // Walk whole characters from the start, so that A1 A1 formed by the end of one
  // character and the start of the next is never taken for a blank.
  std::size_t begin = text.size();
  std::size_t end = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t width = CharacterWidthAt(text, i);
    if (!IsBlankAt(text, i, width)) {
      if (begin == text.size()) begin = i;
      end = i + width;
    }
    i += width;
  }
  return begin < end ? Text(text.substr(begin, end - begin)) : Text();
}

Text OneLineQuote(std::string_view text, std::size_t characters) {
  Text quote;
  std::size_t taken = 0;
  ForEachCharacter(text, [&](std::string_view character) {
    if (++taken > characters) return;
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    quote += character.size() == 1 && (byte < 0x20 || byte == 0x7F) ? Text("?") : Text(character);
  });
  return taken > characters ? quote + "…" : quote;
}

Text LowerText(std::string_view text) {
  return MapAsciiLetters(text, FoldAsciiCase);
}

Text UpperText(std::string_view text) {
  return MapAsciiLetters(text, [](unsigned char b) {
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
  });
}

Text SpaceText(int n) { return n < 1 ? Text() : Text(static_cast<std::size_t>(n), ' '); }

Text RepeatText(int n, std::string_view text) {
  if (text.empty() || n <= 0) return Text();
  Text result;
  result.reserve(text.size() * static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) result.append(text.data(), text.size());
  return result;
}

Text CharText(int code) {
  const char byte = static_cast<char>(code & 0xFF);
  return byte == 0 ? Text() : Text(1, byte);
}

int CharCodeAt(std::string_view text, int position) {
  if (text.empty() || position < 1 || position > TextLength(text)) return 0;
  return static_cast<signed char>(text[static_cast<std::size_t>(position) - 1]);
}

}  // namespace getlink
