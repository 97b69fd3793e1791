// Taking parts of a text by byte counts. None of these avoids splitting a double-byte
// character: callers pass counts that come from search results.
#pragma once

#include <vector>

#include "runtime/Text.h"

namespace getlink {

// The first n bytes; the whole text when n >= its length; empty for n <= 0.
Text LeftText(std::string_view text, int n);

// The last n bytes; the whole text when n >= its length; empty for n <= 0.
Text RightText(std::string_view text, int n);

// n bytes from the 1-based start, cut at the end of the text; empty when n < 1 or start
// lies outside 1 .. length.
Text MidText(std::string_view text, int start, int n);

// The parts of the text between its separators, in order. Two adjacent separators give an
// empty part; nothing follows a final separator, so "a;b;" gives "a" and "b". The
// separator is searched like FindText (case-sensitive, on character boundaries). An empty
// text gives no parts; an empty separator gives the whole text as the one part.
std::vector<Text> SplitText(std::string_view text, std::string_view separator);

}  // namespace getlink
