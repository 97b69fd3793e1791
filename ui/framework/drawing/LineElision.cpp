#include "ui/framework/drawing/LineElision.h"

#include <algorithm>
#include <vector>

namespace getlink {
namespace {

constexpr char kEllipsis[] = "…";
// A run of ASCII characters this long is taken for an address or a path; a shorter one (a
// file name, a word) is read as part of the sentence.
constexpr std::size_t kShortestAddress = 16;
// What an address keeps either side of its "…" before the other addresses give up theirs.
constexpr std::size_t kKeptOfAddress = 4;

// Characters of the line, by index: a run of `count` from `first`. As a cut, they are
// replaced by "…"; an empty cut replaces nothing.
struct Span {
  std::size_t first = 0;
  std::size_t count = 0;
};

// The byte offset where each character starts, and the line's end after the last.
std::vector<std::size_t> CharacterStarts(std::string_view line) {
  std::vector<std::size_t> starts;
  for (std::size_t at = 0; at < line.size(); at += CharacterWidthAt(line, at)) starts.push_back(at);
  starts.push_back(line.size());
  return starts;
}

// The runs of printable ASCII characters other than the blank long enough to be addresses,
// the longest first (the first of equals first).
std::vector<Span> Addresses(std::string_view line, const std::vector<std::size_t>& starts) {
  std::vector<Span> addresses;
  Span run;
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    const char c = line[starts[i]];
    const bool ascii = starts[i + 1] - starts[i] == 1 && c > ' ' && c < 0x7F;
    if (ascii && run.count++ == 0) run.first = i;
    if ((!ascii || i + 2 == starts.size()) && run.count > 0) {
      if (run.count >= kShortestAddress) addresses.push_back(run);
      run.count = 0;
    }
  }
  std::stable_sort(addresses.begin(), addresses.end(), [](const Span& a, const Span& b) { return a.count > b.count; });
  return addresses;
}

// `cut` characters out of the middle of `span` (the left keeps one more where the rest is
// odd). A larger cut holds a smaller one, so the line narrows as the cut grows.
Span MiddleCut(const Span& span, std::size_t cut) { return {span.first + (span.count - cut + 1) / 2, cut}; }

// The line with each non-empty cut (in any order, none overlapping) replaced by "…".
Text WithCuts(std::string_view line, const std::vector<std::size_t>& starts, std::vector<Span> cuts) {
  std::sort(cuts.begin(), cuts.end(), [](const Span& a, const Span& b) { return a.first < b.first; });
  Text text;
  std::size_t from = 0;
  for (const Span& cut : cuts) {
    if (cut.count == 0) continue;
    text.append(line.substr(starts[from], starts[cut.first] - starts[from])).append(kEllipsis);
    from = cut.first + cut.count;
  }
  return text.append(line.substr(starts[from]));
}

// Grows cuts[which] within `span` up to `largest` characters: true, with the smallest
// that fits, when one does; otherwise it stays at the largest.
bool GrowCut(std::string_view line, const std::vector<std::size_t>& starts, std::vector<Span>& cuts,
             std::size_t which, const Span& span, std::size_t largest, float room, const MeasureLine& width) {
  std::size_t low = cuts[which].count + 1, high = largest;
  if (low > high) return false;
  cuts[which] = MiddleCut(span, high);
  if (width(WithCuts(line, starts, cuts)) > room) return false;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    cuts[which] = MiddleCut(span, middle);
    if (width(WithCuts(line, starts, cuts)) <= room)
      high = middle;
    else
      low = middle + 1;
  }
  cuts[which] = MiddleCut(span, high);
  return true;
}

}  // namespace

// The addresses, longest first, each down to a few characters either side; then each down
// to its "…" alone; then the middle of what is left.
Text ElideLine(std::string_view line, float room, const MeasureLine& width) {
  if (width(line) <= room) return Text(line);
  const std::vector<std::size_t> starts = CharacterStarts(line);
  const std::vector<Span> addresses = Addresses(line, starts);
  std::vector<Span> cuts(addresses.size());
  for (const std::size_t kept : {kKeptOfAddress, std::size_t{0}}) {
    for (std::size_t i = 0; i < addresses.size(); ++i) {
      if (GrowCut(line, starts, cuts, i, addresses[i], addresses[i].count - 2 * kept, room, width))
        return WithCuts(line, starts, cuts);
    }
  }
  const Text shortened = WithCuts(line, starts, cuts);
  const std::vector<std::size_t> left = CharacterStarts(shortened);
  std::vector<Span> middle(1);
  if (GrowCut(shortened, left, middle, 0, {0, left.size() - 1}, left.size() - 1, room, width))
    return WithCuts(shortened, left, middle);
  return kEllipsis;
}

}  // namespace getlink
