#include "runtime/TextSearch.h"

#include <algorithm>
#include <cstring>

#include "runtime/TextParts.h"

namespace getlink {
namespace {

// Offset of the first occurrence of `sub` at or after `from`, ignoring character
// boundaries, or npos.
std::size_t FindBytes(std::string_view text, std::string_view sub, std::size_t from) {
#if defined(__GLIBC__)
  const void* hit = memmem(text.data() + from, text.size() - from, sub.data(), sub.size());
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
             : std::string_view::npos;
#else
  return text.find(sub, from);
#endif
}

// Case-sensitive search on character boundaries. Candidates come from a plain byte search;
// a candidate counts only when the character scan from `first` lands on it. The scan need
// not walk from `first` every time: the byte after a sync byte is always a boundary, so it
// restarts from the nearest one before the candidate.
int FindOnBoundaries(std::string_view text, std::string_view sub, std::size_t first,
                     std::size_t last) {
  std::size_t boundary = first;  // a known character boundary at or before the candidate
  std::size_t from = first;
  while (from <= last) {
    const std::size_t hit = FindBytes(text, sub, from);
    if (hit == std::string_view::npos || hit > last) return -1;
    for (std::size_t back = hit; back > boundary; --back) {
      if (IsSyncByte(static_cast<unsigned char>(text[back - 1]))) {
        boundary = back;
        break;
      }
    }
    while (boundary < hit) boundary += CharacterWidthAt(text, boundary);
    if (boundary == hit) return static_cast<int>(hit) + 1;
    from = hit + 1;  // the candidate was the second byte of a character
  }
  return -1;
}

}  // namespace

int FindText(std::string_view text, std::string_view sub, int start, Case letters) {
  const std::size_t length = text.size();
  const std::size_t subLength = sub.size();
  if (length == 0 || subLength == 0 || length < subLength) return -1;
  if (start <= 0) start = 1;
  const std::size_t last = length - subLength;  // last 0-based offset a match can start at
  if (static_cast<std::size_t>(start) - 1 > last) return -1;
  if (letters == Case::Sensitive) return FindOnBoundaries(text, sub, start - 1, last);
  for (std::size_t p = start - 1; p <= last; p += CharacterWidthAt(text, p)) {
    if (MatchesAt(text, p, sub, letters)) return static_cast<int>(p) + 1;
  }
  return -1;
}

int FindTextLast(std::string_view text, std::string_view sub, int start, Case letters) {
  const int length = TextLength(text);
  const int subLength = TextLength(sub);
  if (length == 0 || subLength == 0 || length < subLength) return -1;
  int candidate = length - subLength;
  if (start > 0) candidate = std::clamp(start - subLength, 0, length - subLength);
  for (; candidate >= 0; --candidate) {
    if (MatchesAt(text, static_cast<std::size_t>(candidate), sub, letters)) return candidate + 1;
  }
  return -1;
}

Text CutBetweenMarkers(std::string_view text, std::string_view left, std::string_view right) {
  const int a = FindText(text, left);
  if (a == -1) return Text();
  const int e = FindText(text, right);
  const int from = a + TextLength(left);
  return MidText(text, from, e - from);
}

int CompareText(std::string_view a, std::string_view b, Case letters) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (letters == Case::Insensitive) {
      x = FoldAsciiCase(x);
      y = FoldAsciiCase(y);
    }
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace getlink
