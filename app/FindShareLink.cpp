#include "app/FindShareLink.h"

#include <vector>

namespace getlink {
namespace {

constexpr std::string_view kSchemes[] = {"http://", "https://"};
constexpr std::string_view kCodeMarkers[] = {"提取码", "访问码", "密码"};
constexpr std::string_view kFullWidthBlank = "　";
constexpr std::string_view kFullWidthColon = "：";

bool StandsAt(std::string_view text, std::size_t at, std::string_view sub, Case letters) {
  return at + sub.size() <= text.size() && MatchesAt(text, at, sub, letters);
}

bool IsAsciiAlnum(char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

// Printable ASCII that may stand in a link as pasted: no blanks, quotes, angle brackets or
// the other characters a URL never holds unencoded.
bool IsLinkByte(char byte) {
  const unsigned char value = static_cast<unsigned char>(byte);
  return value > 0x20 && value < 0x7F && std::string_view("\"<>\\^`{|}").find(byte) == std::string_view::npos;
}

// A double-byte character that may stand in a link as pasted (a browser's address bar
// shows "fn=测试文件" so): anything but GBK's symbol rows A1-A9, which hold the blanks,
// punctuation and full-width forms that end a link in a sentence.
bool IsLinkCharacter(std::string_view character) {
  const unsigned char lead = static_cast<unsigned char>(character[0]);
  return character.size() == 2 && (lead < 0xA1 || lead > 0xA9);
}

// A space, a tab or a full-width blank at `at` (which is inside the text).
bool IsBlankAt(std::string_view text, std::size_t at) {
  return text[at] == ' ' || text[at] == '\t' || StandsAt(text, at, kFullWidthBlank, Case::Sensitive);
}

// Where the blanks that begin at `at` end.
std::size_t SkipLineBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlankAt(text, at)) at += CharacterWidthAt(text, at);
  return at;
}

// Where the link at `start` ends when it is all its line holds, blanks aside: at the end
// of its last character, those beyond ASCII included. npos when anything else shares the
// line, after which the link ends at its first character beyond ASCII.
std::size_t LoneLinkEnd(std::string_view text, std::size_t start) {
  // Line breaks are ASCII, never the second byte of a character: the line begins after one.
  const std::size_t lineBreak = text.find_last_of("\r\n", start);
  const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
  if (SkipLineBlanks(text, lineStart) != start) return std::string_view::npos;
  std::size_t end = start;
  while (end < text.size()) {
    const std::size_t width = CharacterWidthAt(text, end);
    if (width == 1 ? !IsLinkByte(text[end]) : !IsLinkCharacter(text.substr(end, width))) break;
    end += width;
  }
  const std::size_t after = SkipLineBlanks(text, end);
  return after == text.size() || text[after] == '\r' || text[after] == '\n' ? end : std::string_view::npos;
}

// Offset of the first http(s) scheme on a character boundary, or npos.
std::size_t FindScheme(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); at += CharacterWidthAt(text, at)) {
    for (std::string_view scheme : kSchemes)
      if (StandsAt(text, at, scheme, Case::Insensitive)) return at;
  }
  return std::string_view::npos;
}

// The link without the punctuation that ends the sentence around it. It steps through
// characters: the second byte of a Chinese character may be a bracket (慮 is 91 5D, 癧
// B0 5B), which is neither punctuation nor counts as one.
std::string_view WithoutTrailingPunctuation(std::string_view link) {
  std::vector<std::size_t> starts;  // where each character begins
  int unopenedParens = 0;           // closing brackets of one byte less opening ones
  int unopenedBrackets = 0;
  ForEachCharacter(link, [&](std::string_view character) {
    starts.push_back(static_cast<std::size_t>(character.data() - link.data()));
    if (character == "(" || character == ")") unopenedParens += character == ")" ? 1 : -1;
    if (character == "[" || character == "]") unopenedBrackets += character == "]" ? 1 : -1;
  });
  for (; !starts.empty() && starts.back() + 1 == link.size(); starts.pop_back()) {
    const char last = link.back();
    int* unopened = last == ')' ? &unopenedParens : last == ']' ? &unopenedBrackets : nullptr;
    if (unopened != nullptr && *unopened > 0) {
      --*unopened;
    } else if (std::string_view(".,;:!?'").find(last) == std::string_view::npos) {
      break;
    }
    link.remove_suffix(1);
  }
  return link;
}

// The run of ASCII letters and digits at `at`, after any blanks and colons of either width.
Text CodeAt(std::string_view text, std::size_t at) {
  for (;;) {
    if (at < text.size() && (IsBlankAt(text, at) || text[at] == ':')) {
      at += CharacterWidthAt(text, at);
    } else if (StandsAt(text, at, kFullWidthColon, Case::Sensitive)) {
      at += kFullWidthColon.size();
    } else {
      break;
    }
  }
  std::size_t end = at;
  while (end < text.size() && IsAsciiAlnum(text[end])) ++end;
  return Text(text.substr(at, end - at));
}

Text CodeAfterMarker(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); at += CharacterWidthAt(text, at)) {
    for (std::string_view marker : kCodeMarkers) {
      if (!StandsAt(text, at, marker, Case::Sensitive)) continue;
      Text code = CodeAt(text, at + marker.size());
      if (!code.empty()) return code;
    }
  }
  return Text();
}

// The value of the link's "pwd" query parameter (as Baidu puts the code into its links).
Text CodeInLink(std::string_view link) {
  for (std::size_t at = link.find('?'); at != std::string_view::npos; at = link.find('&', at + 1)) {
    if (StandsAt(link, at + 1, "pwd=", Case::Insensitive)) {
      std::size_t end = at + 5;
      while (end < link.size() && IsAsciiAlnum(link[end])) ++end;
      return Text(link.substr(at + 5, end - at - 5));
    }
  }
  return Text();
}

}  // namespace

PastedLink FindShareLink(std::string_view text) {
  PastedLink found;
  const std::size_t start = FindScheme(text);
  if (start != std::string_view::npos) {
    std::size_t end = LoneLinkEnd(text, start);
    if (end == std::string_view::npos) {
      end = start;
      while (end < text.size() && IsLinkByte(text[end])) ++end;
    }
    found.link = Text(WithoutTrailingPunctuation(text.substr(start, end - start)));
  }
  found.extractionCode = CodeAfterMarker(text);
  if (found.extractionCode.empty()) found.extractionCode = CodeInLink(found.link);
  return found;
}

}  // namespace getlink
