#include "app/rules/MarkerSearch.h"

#include <algorithm>
#include <cstring>

namespace getlink {
namespace {

// The failure table of Knuth, Morris and Pratt: next[i] is the length of the longest proper
// prefix of pattern[0..i] that is also its suffix.
std::vector<std::size_t> FailureTable(std::string_view pattern) {
  std::vector<std::size_t> next(pattern.size(), 0);
  std::size_t k = 0;
  for (std::size_t i = 1; i < pattern.size(); ++i) {
    while (k > 0 && pattern[i] != pattern[k]) k = next[k - 1];
    if (pattern[i] == pattern[k]) ++k;
    next[i] = k;
  }
  return next;
}

// Moves `boundary`, a place on the character steps taken from some earlier place, to the
// last step at or before `hit`, and tells whether `hit` is one. The byte after a sync byte
// always starts a character, so the walk starts from the nearest one; across all hits of one
// search the walks cover the text once.
bool StepsOnto(std::string_view text, std::size_t& boundary, std::size_t hit) {
  for (std::size_t back = hit; back > boundary; --back) {
    if (IsSyncByte(static_cast<unsigned char>(text[back - 1]))) {
      boundary = back;
      break;
    }
  }
  while (boundary < hit) boundary += CharacterWidthAt(text, boundary);
  return boundary == hit;
}

// The next offset at or after `from` where the marker's bytes stand, or npos: glibc's
// memmem (linear in what it scans, plus the marker's length for each call), elsewhere the
// library's search.
std::size_t NextBytes(std::string_view text, std::string_view marker, std::size_t from) {
#if defined(__GLIBC__)
  const void* hit = memmem(text.data() + from, text.size() - from, marker.data(), marker.size());
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : std::string_view::npos;
#else
  return text.find(marker, from);
#endif
}

}  // namespace

MarkerSearch::MarkerSearch(std::string_view marker, Case letters) : letters_(letters) {
  marker_.reserve(marker.size());
  for (char c : marker) marker_ += static_cast<char>(Fold(static_cast<unsigned char>(c)));
  next_ = FailureTable(marker_);
  const Text reversed(marker_.rbegin(), marker_.rend());
  nextReverse_ = FailureTable(reversed);
}

unsigned char MarkerSearch::Fold(unsigned char byte) const {
  return letters_ == Case::Insensitive ? FoldAsciiCase(byte) : byte;
}


// Two ways in one. A search with the library is fastest on real pages, as for the built-in
// extractors, but each call costs about the marker's length again, and a text can make it
// stop at nearly every byte (or, outside glibc, compare the marker again at each place).
// Once its work passes a few times the text's length, the scan goes on with Knuth, Morris
// and Pratt, whose time is linear whatever the text.
template <class Found>
void MarkerSearch::ForEachMatch(std::string_view text, std::size_t from, Found found) const {
  const std::size_t m = marker_.size();
  const unsigned char first = static_cast<unsigned char>(marker_[0]);
  // Only a lower-case letter has a second byte that folds onto it.
  const bool skipByMemchr = letters_ == Case::Sensitive || first < 'a' || first > 'z';
  std::size_t i = from;
  if (letters_ == Case::Sensitive) {
    const std::size_t budget = 4 * (text.size() - from + m);
    for (std::size_t work = 0; i + m <= text.size() && work <= budget; work += m + 16) {
      const std::size_t hit = NextBytes(text, marker_, i);
      if (hit == std::string_view::npos) return;
      if (!found(hit)) return;
      work += hit - i;
      i = hit + 1;
    }
    if (i + m > text.size()) return;
  }
  std::size_t matched = 0;
  for (; i < text.size(); ++i) {
    if (matched == 0) {  // nothing under way: jump to the next byte that can begin a match
      if (skipByMemchr) {
        const void* at = std::memchr(text.data() + i, first, text.size() - i);
        if (at == nullptr) return;
        i = static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
      } else {
        while (i < text.size() && Fold(static_cast<unsigned char>(text[i])) != first) ++i;
        if (i == text.size()) return;
      }
    }
    const char c = static_cast<char>(Fold(static_cast<unsigned char>(text[i])));
    while (matched > 0 && c != marker_[matched]) matched = next_[matched - 1];
    if (c == marker_[matched]) ++matched;
    if (matched == m) {
      if (!found(i + 1 - m)) return;
      matched = next_[m - 1];
    }
  }
}

int MarkerSearch::First(std::string_view text, int start) const {
  if (text.empty() || marker_.empty() || text.size() < marker_.size()) return -1;
  const std::size_t first = start <= 0 ? 0 : static_cast<std::size_t>(start) - 1;
  if (first > text.size() - marker_.size()) return -1;
  std::size_t boundary = first;
  int position = -1;
  ForEachMatch(text, first, [&](std::size_t hit) {
    if (!StepsOnto(text, boundary, hit)) return true;
    position = static_cast<int>(hit) + 1;
    return false;
  });
  return position;
}

// The reversed marker searched in the text from its end: the first match found is the last.
int MarkerSearch::Last(std::string_view text) const {
  const std::size_t m = marker_.size();
  if (text.empty() || m == 0 || text.size() < m) return -1;
  std::size_t matched = 0;
  for (std::size_t i = text.size(); i-- > 0;) {
    const char c = static_cast<char>(Fold(static_cast<unsigned char>(text[i])));
    while (matched > 0 && c != marker_[m - 1 - matched]) matched = nextReverse_[matched - 1];
    if (c == marker_[m - 1 - matched]) ++matched;
    if (matched == m) return static_cast<int>(i) + 1;
  }
  return -1;
}

std::optional<Text> MarkerSearch::Replace(std::string_view text, std::string_view replacement,
                                          std::size_t maxBytes) const {
  Text result;
  std::size_t mark = 0;  // the text before it is in the result
  bool fits = true;
  const auto add = [&](std::string_view part) {
    fits = fits && part.size() <= maxBytes - result.size();
    if (fits) result += part;
    return fits;
  };
  if (!marker_.empty() && text.size() >= marker_.size()) {
    std::size_t boundary = 0;
    ForEachMatch(text, 0, [&](std::size_t hit) {
      if (hit < mark) return true;  // overlaps the occurrence replaced last
      boundary = std::max(boundary, mark);
      if (!StepsOnto(text, boundary, hit)) return true;
      if (!add(text.substr(mark, hit - mark)) || !add(replacement)) return false;
      mark = hit + marker_.size();
      return true;
    });
  }
  if (!add(text.substr(mark))) return std::nullopt;
  return result;
}

}  // namespace getlink
