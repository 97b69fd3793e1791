#include "http/Cookies.h"

#include "http/HeaderText.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::string_view kJarSeparator = "; ";
constexpr std::string_view kDeletedMark = "=deleted";

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Removes the separator that follows the last appended part.
void DropFinalSeparator(Text& joined, std::string_view separator) {
  joined.resize(joined.size() >= separator.size() ? joined.size() - separator.size() : 0);
}

}  // namespace

Text CookieName(std::string_view entry) {
  const int equals = FindText(entry, "=");
  if (equals < 0) return TrimBlanks(entry);
  return TrimBlanks(entry.substr(0, static_cast<std::size_t>(equals - 1)));
}

bool CookieListHasName(const std::vector<Text>& entries, std::string_view name) {
  for (const Text& entry : entries) {
    if (CookieName(entry) == name) return true;
  }
  return false;
}

Text SetCookieEntry(std::string_view line) {
  // A value that ends the line has no ";" after it: the line's end closes it.
  return TrimBlanks(TextBetween(ConcatTexts(line, ";"), "Set-Cookie:", ";"));
}

Text CookiesSetBy(const std::vector<Text>& setCookieValues) {
  Text cookies;
  for (const Text& value : setCookieValues) {
    const Text entry = SetCookieEntry(ConcatTexts("Set-Cookie: ", value));
    if (!entry.empty()) cookies += ConcatTexts(entry, ";");
  }
  return cookies;
}

Text MergeCookies(Text& jar, Text& newCookies) {
  jar = RemoveBlanks(jar);
  newCookies = RemoveBlanks(newCookies);

  std::vector<Text> merged = SplitText(newCookies, ";");
  for (Text& old : SplitText(jar, ";")) {
    if (!CookieListHasName(merged, CookieName(old))) merged.push_back(std::move(old));
  }

  Text joined;
  for (const Text& entry : merged) {
    if (EndsWith(entry, kDeletedMark)) continue;  // the server deleted this cookie
    joined += entry;
    joined += kJarSeparator;
  }
  DropFinalSeparator(joined, kJarSeparator);
  jar = DropRepeatedEntries(joined, kJarSeparator);
  return jar;
}

Text DropRepeatedEntries(std::string_view text, std::string_view separator) {
  std::vector<Text> kept;
  Text result;
  for (Text& part : SplitText(text, separator)) {
    if (CookieListHasName(kept, part)) continue;
    result += part;
    result += separator;
    kept.push_back(std::move(part));
  }
  DropFinalSeparator(result, separator);
  return result;
}

}  // namespace getlink
