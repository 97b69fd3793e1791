// Fuzz target: the Set-Cookie reader and cookie merging. Input: a response header line,
// the caller's jar and the new cookies, separated by zero bytes.
#include "http/Cookies.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Whether no two of the cookies (";"-separated entries) have the same name.
bool NamesOnce(std::string_view cookies) {
  std::vector<Text> seen;
  for (Text& entry : SplitText(cookies, ";")) {
    if (CookieListHasName(seen, CookieName(entry))) return false;
    seen.push_back(std::move(entry));
  }
  return true;
}

// Whether removing the text's blanks makes no new ones.
bool BlanksStay(std::string_view text) {
  const Text once = RemoveBlanks(text);
  return RemoveBlanks(once) == once;
}

// Whether every blank of the jar is the one of a "; " between two entries.
bool BlanksOnlySeparate(std::string_view jar) {
  for (std::size_t i = 0; i < jar.size(); ++i)
    if (jar[i] == ' ' && (i == 0 || jar[i - 1] != ';')) return false;
  return true;
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const Text entry = SetCookieEntry(input.NextText());
  Require(entry.find(';') == Text::npos, "a cookie entry stops at its first \";\"");
  Require(entry.empty() || (entry.front() != ' ' && entry.back() != ' '), "a cookie entry is trimmed");

  const Text givenJar(input.NextText());
  const Text givenNew(input.NextText());
  Text jar = givenJar;
  Text newCookies = givenNew;
  const Text merged = MergeCookies(jar, newCookies);
  Require(merged == jar, "the merge returns the jar it wrote");
  Require(newCookies.find(' ') == Text::npos, "the new cookies lose their blanks");
  Require(BlanksOnlySeparate(jar), "the jar's only blanks separate its entries");
  for (const Text& part : SplitText(jar, "; "))
    Require(!EndsWith(part, "=deleted"), "deleted cookies leave the jar");

  // A response may set one name twice, and the jar then keeps both entries; otherwise it
  // holds each name once, and merging nothing into it changes nothing. Not so in text that
  // is not well-formed GBK, where removing a blank can join a stray lead byte to the next
  // byte and so make a new full-width blank.
  Text again = jar;
  Text none;
  MergeCookies(again, none);
  if (NamesOnce(newCookies) && BlanksStay(givenJar) && BlanksStay(givenNew))
    Require(again == jar, "a merged jar merges into itself unchanged");
}

}  // namespace getlink::fuzz
