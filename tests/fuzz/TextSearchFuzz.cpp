// Fuzz target: searching and cutting GBK text on character boundaries. Input: a start
// byte, a letter-case byte, then the text, the sub-text and a second marker separated by
// zero bytes. FindText is checked against the scan it stands for (one character at a
// time from the start), which its fast case-sensitive path must match exactly.
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

// FindText as stated: compare at each position from the start, stepping over a whole
// character after a mismatch.
int FindByScanning(std::string_view text, std::string_view sub, int start, Case letters) {
  if (text.empty() || sub.empty() || text.size() < sub.size()) return -1;
  if (start <= 0) start = 1;
  const std::size_t last = text.size() - sub.size();
  for (std::size_t p = static_cast<std::size_t>(start) - 1; p <= last; p += CharacterWidthAt(text, p))
    if (MatchesAt(text, p, sub, letters)) return static_cast<int>(p) + 1;
  return -1;
}

// Whether `sub` occurs at no byte offset from `first` to the last possible one.
bool NoMatchFrom(std::string_view text, std::string_view sub, std::size_t first, Case letters) {
  for (std::size_t p = first; p + sub.size() <= text.size(); ++p)
    if (MatchesAt(text, p, sub, letters)) return false;
  return true;
}

void CheckFindTextLast(std::string_view text, std::string_view sub, int start, Case letters) {
  const int found = FindTextLast(text, sub, start, letters);
  if (found == -1 || sub.empty() || text.size() < sub.size()) return;
  const std::size_t at = static_cast<std::size_t>(found) - 1;
  Require(MatchesAt(text, at, sub, letters), "FindTextLast reports a match");
  const std::size_t lastCandidate =
      start > 0 ? std::min<std::size_t>(std::max(start - static_cast<int>(sub.size()), 0), text.size() - sub.size())
                : text.size() - sub.size();
  Require(NoMatchFrom(text.substr(0, lastCandidate + sub.size()), sub, at + 1, letters),
          "FindTextLast reports the last match");
}

void CheckSplit(std::string_view text, std::string_view separator) {
  const std::vector<Text> parts = SplitText(text, separator);
  if (separator.empty()) return;
  Text joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
    Require(FindText(parts[i], separator) == -1, "a part holds no separator");
  }
  Require(joined == text || Text(joined).append(separator) == text, "the parts joined give the text back");
}

void CheckCut(std::string_view text, std::string_view left, std::string_view right) {
  const Text cut = CutBetweenMarkers(text, left, right);
  if (cut.empty()) return;
  const int a = FindText(text, left);
  Require(a != -1, "a cut has its left marker");
  const std::size_t from = static_cast<std::size_t>(a) - 1 + left.size();
  Require(text.compare(from, cut.size(), cut) == 0, "the cut follows the left marker");
  Require(text.compare(from + cut.size(), right.size(), right) == 0, "the right marker follows the cut");
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const int start = static_cast<int>(input.NextByte()) - 16;
  const Case letters = (input.NextByte() & 1) != 0 ? Case::Insensitive : Case::Sensitive;
  const std::string_view text = input.NextText();
  const std::string_view sub = input.NextText();
  const std::string_view right = input.NextText();

  // The case-sensitive search is the fast one (a byte search, then a check of the boundary).
  Require(FindText(text, sub, start) == FindByScanning(text, sub, start, Case::Sensitive),
                "FindText finds what a scan over whole characters finds");
  CheckFindTextLast(text, sub, start, letters);
  CheckSplit(text, sub);
  CheckCut(text, sub, right);
  const int order = CompareText(text, sub, letters);
  Require(order == -CompareText(sub, text, letters), "comparison is symmetric");
}

}  // namespace getlink::fuzz
