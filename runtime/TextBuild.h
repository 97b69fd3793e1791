// Replacing and building GBK texts.
#pragma once

#include <climits>

#include "runtime/Text.h"

#ifdef ReplaceText  // commdlg.h's macro, when some translation unit includes it
#undef ReplaceText
#endif

namespace getlink {

// What ReplaceText replaces: `count` occurrences from the 1-based `start` on.
struct ReplaceRange {
  int start = 1;
  int count = INT_MAX;  // no limit
};

// Replaces occurrences of `find` by `replacement` (empty: removes them), scanning on
// character boundaries like FindText. Bytes before `start` are kept as they are. A text
// with nothing to replace, or a start or count out of range, comes back unchanged.
Text ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                 Case letters, ReplaceRange range = {});

Text CopyText(std::string_view text);

// The text without ASCII blanks (0x20) and full-width blanks (A1 A1).
Text RemoveBlanks(std::string_view text);

// The text without ASCII blanks and full-width blanks at its beginning and its end.
Text TrimBlanks(std::string_view text);

// A quote of text from elsewhere fit for one line of a message: at most `characters`
// characters of it, each control character as "?", and "…" when it was cut.
Text OneLineQuote(std::string_view text, std::size_t characters);

// ASCII letters mapped to lower / upper case; double-byte characters are left alone.
Text LowerText(std::string_view text);
Text UpperText(std::string_view text);

Text SpaceText(int n);
Text RepeatText(int n, std::string_view text);

// A one-byte text of the low 8 bits of code; empty when those are 0.
Text CharText(int code);

// The byte at the 1-based position as a signed value (0x80..0xFF give -128..-1); 0 for
// an empty text or a position outside the text.
int CharCodeAt(std::string_view text, int position = 1);

}  // namespace getlink
