// Searching and cutting GBK texts with 1-based byte positions.
#pragma once

#include "runtime/Text.h"

#ifdef FindText  // commdlg.h's macro, when some translation unit includes it
#undef FindText
#endif

namespace getlink {

// First position p >= start (absent or <= 0: 1) where `sub` occurs, scanning on character
// boundaries: after a mismatch the scan steps over a whole double-byte character, so a
// match never begins on the second byte of one. -1 when either text is empty, `sub` is
// longer than `text`, start lies beyond the last possible match, or nothing matches.
int FindText(std::string_view text, std::string_view sub, int start = 1,
             Case letters = Case::Sensitive);
inline int FindText(std::string_view text, std::string_view sub, Case letters) {
  return FindText(text, sub, 1, letters);
}

// Last position where `sub` occurs, trying byte by byte downwards (no character
// stepping). The first candidate starts at byte L - S; a start > 0 makes it start - S,
// clamped to 0 .. L - S. Returns the 1-based position or -1.
int FindTextLast(std::string_view text, std::string_view sub, int start = 0,
                 Case letters = Case::Sensitive);
inline int FindTextLast(std::string_view text, std::string_view sub, Case letters) {
  return FindTextLast(text, sub, 0, letters);
}

// The text between the first `left` marker and the first `right` marker of the text.
// The right marker is searched from the start of the text, not after the left one, so a
// right marker that first occurs before the left one's end gives the empty text; so do a
// missing left or right marker.
Text CutBetweenMarkers(std::string_view text, std::string_view left, std::string_view right);

// -1, 0 or 1 in the order of unsigned bytes.
int CompareText(std::string_view a, std::string_view b, Case letters);

}  // namespace getlink
