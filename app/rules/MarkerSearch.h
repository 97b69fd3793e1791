// Searching a page for a rule's markers. The results are those of FindText, FindTextLast
// and ReplaceText (runtime/TextSearch.h, runtime/TextBuild.h), which the built-in
// extractors cut with; only the cost differs. Those functions compare the marker again at
// each place, which is harmless for the built-ins' short markers, but a rule's marker may be
// 4 KiB long and the page 4 MiB: here every search takes time in proportion to the page
// and the marker, whatever either holds.
#pragma once

#include <optional>
#include <vector>

#include "runtime/Text.h"

namespace getlink {

// One marker, prepared once and searched for in any number of texts.
class MarkerSearch {
 public:
  MarkerSearch(std::string_view marker, Case letters);

  // FindText(text, marker, start, letters): the first 1-based position >= start (below 1
  // counts as 1) on the character steps from start where the marker stands; -1 when none.
  int First(std::string_view text, int start = 1) const;

  // FindTextLast(text, marker, 0, letters): the last position where it stands, byte by
  // byte; -1 when none.
  int Last(std::string_view text) const;

  // ReplaceText(text, marker, replacement, letters): every occurrence on the character
  // steps replaced. Nothing when the result would be longer than maxBytes.
  std::optional<Text> Replace(std::string_view text, std::string_view replacement, std::size_t maxBytes) const;

 private:
  // Calls found(offset) with each 0-based offset where the marker's bytes stand, in
  // increasing order from `from`, until it answers false.
  template <class Found>
  void ForEachMatch(std::string_view text, std::size_t from, Found found) const;

  unsigned char Fold(unsigned char byte) const;

  Text marker_;  // folded when letters are ignored
  Case letters_;
  std::vector<std::size_t> next_;         // the forward failure table
  std::vector<std::size_t> nextReverse_;  // the same for the reversed marker
};

}  // namespace getlink
