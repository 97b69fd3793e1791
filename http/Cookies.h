// The cookie jar: cookie text of name=value entries joined by "; ", without spaces, which
// the caller of a web request keeps across requests and which each response updates.
#pragma once

#include <vector>

#include "runtime/Text.h"

namespace getlink {

// The entry's text before its first "=", trimmed; the whole entry trimmed when it has none.
Text CookieName(std::string_view entry);

// Whether some entry's CookieName equals `name` exactly (letter case counts).
bool CookieListHasName(const std::vector<Text>& entries, std::string_view name);

// The cookie entry of one Set-Cookie response line: the text after "Set-Cookie:" (letter
// case ignored) up to the first ";", or to the end of the line when no ";" follows,
// trimmed. Empty when the line holds no "Set-Cookie:".
Text SetCookieEntry(std::string_view line);

// The cookie entries that an answer's Set-Cookie header values set, as MergeCookies takes
// them ("a=1;b=2;"): each value's SetCookieEntry.
Text CookiesSetBy(const std::vector<Text>& setCookieValues);

// Merges the cookies a response set ("a=1;b=2;") into the jar. Both variables lose every
// space. The new jar holds the response's entries first, in their order, then the jar's
// entries whose names the response did not set; entries ending in "=deleted" are dropped.
// Returns a copy of the new jar.
Text MergeCookies(Text& jar, Text& newCookies);

// The text's parts (split at `separator`) without a part that equals the CookieName of an
// earlier kept part, joined by `separator` again.
Text DropRepeatedEntries(std::string_view text, std::string_view separator);

}  // namespace getlink
