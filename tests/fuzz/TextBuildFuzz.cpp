// Fuzz target: the text functions that step over double-byte characters while building a
// new text: replacing, removing and trimming blanks, letter case, and reading a number.
// Input: a start byte, a count byte, then the text, the text to find and its replacement
// separated by zero bytes.
#include <cstdlib>
#include <string>

#include "runtime/TextBuild.h"
#include "runtime/TextConvert.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool IsShortNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

void Fuzz(FuzzInput& input) {
  ReplaceRange range;
  range.start = static_cast<int>(input.NextByte()) - 8;
  range.count = static_cast<int>(input.NextByte()) - 8;
  const std::string_view text = input.NextText();
  const std::string_view find = input.NextText();
  const std::string_view replacement = input.NextText();

  Require(ReplaceText(text, find, find, Case::Sensitive, range) == text, "replacing a text by itself changes nothing");
  const Text replaced = ReplaceText(text, find, replacement, Case::Insensitive, range);
  Require(replacement.size() != find.size() || replaced.size() == text.size(),
          "a replacement of the same length keeps the length");

  const Text noBlanks = RemoveBlanks(text);
  Require(noBlanks.find(' ') == Text::npos, "no blank is left");
  const Text trimmed = TrimBlanks(text);
  Require(text.find(trimmed) != std::string_view::npos, "trimming takes a piece of the text");
  Require(TrimBlanks(trimmed) == trimmed, "a trimmed text stays as it is");
  Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), "no blank at either end");

  const Text lower = LowerText(text);
  Require(lower.size() == text.size() && LowerText(UpperText(text)) == lower, "letter case maps letters only");

  const int number = ToInteger(text);
  if (IsShortNumber(text)) Require(number == std::atoi(std::string(text).c_str()), "digits read as their number");
}

}  // namespace getlink::fuzz
