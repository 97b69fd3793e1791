// A rule's marker search gives exactly what the built-in extractors' FindText, FindTextLast
// and ReplaceText give, on texts where GBK's character steps matter, and stays linear where
// those compare the marker again at every place.
#include "app/rules/MarkerSearch.h"

#include <gtest/gtest.h>

#include <random>

#include "runtime/TextBuild.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

void ExpectSameAsTextFunctions(const Text& text, const Text& marker, Case letters, int start) {
  const MarkerSearch search(marker, letters);
  EXPECT_EQ(search.First(text, start), FindText(text, marker, start, letters)) << "first";
  EXPECT_EQ(search.Last(text), FindTextLast(text, marker, 0, letters)) << "last";
  EXPECT_EQ(search.Replace(text, "<>", 1 << 20), ReplaceText(text, marker, "<>", letters)) << "replace";
}

TEST(MarkerSearch, GivesWhatTheTextFunctionsGive) {
  struct Case_ {
    Text text;
    Text marker;
    Case letters;
    int start;
  };
  const Case_ cases[] = {
      {"abcabc", "bc", Case::Sensitive, 1},
      {"abcabc", "bc", Case::Sensitive, 3},
      {"aaaa", "aa", Case::Sensitive, 1},           // overlapping occurrences
      {"AbCaBc", "abc", Case::Insensitive, 1},
      {"\xB0\x61" "a", "a", Case::Sensitive, 1},    // the first "a" is a character's second byte
      {"\xB0\x5D]", "]", Case::Sensitive, 1},      // 慮-like: "]" as a second byte
      {"\xB0\x41x\xB0\x41", "\x41x", Case::Insensitive, 1},
      {"x\xB0\xB0\xB0\xB0y", "\xB0\xB0", Case::Sensitive, 2},  // the start lands inside a character
      {"abc", "", Case::Sensitive, 1},
      {"", "a", Case::Sensitive, 1},
      {"ab", "abc", Case::Sensitive, 1},
      {"abcab", "ab", Case::Sensitive, 9},
      {"文件名:a 文件名:b", "文件名:", Case::Sensitive, 1},
  };
  for (const Case_& c : cases) {
    SCOPED_TRACE(c.text + " / " + c.marker);
    ExpectSameAsTextFunctions(c.text, c.marker, c.letters, c.start);
  }
}

// Texts over a small alphabet of ASCII, sync bytes, lead and trail bytes, so that markers
// match often and across character steps.
TEST(MarkerSearch, AgreesOnRandomGbkTexts) {
  const char alphabet[] = {'a', 'A', ']', '\x81', '\xB0', '\x5D', '\x40', '\x7F', '\xFE', '\n'};
  std::mt19937 random(20261208);
  const auto randomText = [&](std::size_t most) {
    Text text(random() % (most + 1), ' ');
    for (char& c : text) c = alphabet[random() % sizeof alphabet];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const Text text = randomText(24);
    const Text marker = randomText(4);
    const Case letters = round % 2 ? Case::Insensitive : Case::Sensitive;
    const int start = static_cast<int>(random() % 30) - 2;
    ExpectSameAsTextFunctions(text, marker, letters, start);
    if (HasFailure()) {
      ADD_FAILURE() << "round " << round;
      return;
    }
  }
}

TEST(MarkerSearch, ReplacementIsBoundedAndLinear) {
  const MarkerSearch a("a", Case::Sensitive);
  EXPECT_EQ(a.Replace(Text(100, 'a'), "bb", 200), Text(200, 'b'));
  EXPECT_FALSE(a.Replace(Text(100, 'a'), "bb", 199));
  // A page that nearly matches a long marker everywhere: a search that compares the marker
  // again at each place runs here for minutes, past the test's time-out.
  const Text page = RepeatText(1 << 22, "a");
  const Text marker = ConcatTexts(RepeatText(4000, "a"), "b");
  for (Case letters : {Case::Sensitive, Case::Insensitive}) {
    const MarkerSearch search(marker, letters);
    EXPECT_EQ(search.First(page), -1);
    EXPECT_EQ(search.Last(page), -1);
    EXPECT_EQ(search.Replace(page, "", 4u << 20), page);
  }
  // A marker that stands at every other byte, always across two characters: a search that
  // starts again after each such place pays the marker's length each time.
  const Text pairs = RepeatText(1 << 21, "\xB0\x41");
  const Text across = ConcatTexts("\x41", RepeatText(2000, "\xB0\x41"));
  EXPECT_EQ(MarkerSearch(across, Case::Sensitive).First(pairs), -1);
  EXPECT_EQ(MarkerSearch(across, Case::Sensitive).Replace(pairs, "", 4u << 20), pairs);
}

}  // namespace
}  // namespace getlink
