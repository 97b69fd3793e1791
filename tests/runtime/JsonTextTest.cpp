#include "runtime/JsonText.h"

#include <gtest/gtest.h>

#include "runtime/Codec.h"

namespace getlink {
namespace {

TEST(JsonStringContents, EscapesWhatWouldEndTheStringOrTheLine) {
  // "誠" is D5 5C: its second byte is a backslash, which stays as it is.
  EXPECT_EQ(JsonStringContents("a\"b\\c\r\n\t\x01\x7F誠"), "a\\\"b\\\\c\\r\\n\\t\\u0001\\u007F誠");
}

// The string is converted to UTF-8 after escaping: bytes that begin no GBK character must
// not pair with an escape's backslash (a lead byte before a quote) or hide one (0x80 and
// 0xFF lead no pair), or the quote or backslash after them would stand bare.
TEST(JsonStringContents, StaysWholeWhenConvertedToUtf8) {
  const struct {
    const char* gbk;
    const char* utf8;  // the string's contents read back
  } cases[] = {
      {"\x95\"}", "?\"}"},
      {"\xFF\\\"", "?\\\""},
      {"\x80\\\"", "\xE2\x82\xAC\\\""},  // the euro sign, a backslash, a quote
      {"a\x81", "a?"},
      {"誠\"", "\xE8\xAA\xA0\""},
  };
  for (const auto& c : cases) {
    const std::optional<JsonValue> value = ParseJson(GbkToUtf8(ConcatTexts("\"", JsonStringContents(c.gbk), "\"")));
    ASSERT_TRUE(value) << c.gbk;
    EXPECT_EQ(value->text, c.utf8) << c.gbk;
  }
}

TEST(ParseJson, ReadsWhatIsWellFormedAndNothingElse) {
  const struct {
    const char* text;
    bool wellFormed;
  } cases[] = {
      {" {\"a\" : [1, -2.5e+3, true, false, null, {}, []], \"b\": \"x\"} \r\n", true},
      {"\"\\u4e2d\\ud83d\\ude00\\/\"", true},
      {"0", true},
      {"", false},
      {"{", false},
      {"{\"a\":1,}", false},
      {"[1 2]", false},
      {"{'a':1}", false},
      {"{a:1}", false},
      {"01", false},
      {"1.", false},
      {"-", false},
      {"tru", false},
      {"\"a\nb\"", false},        // a raw control character in a string
      {"\"\\x41\"", false},       // no such escape
      {"\"\\u12\"", false},       // a short \u escape
      {"\"\xC0\xAF\"", false},    // not UTF-8
      {"{\"a\":1} {}", false},    // two values
  };
  for (const auto& c : cases) EXPECT_EQ(ParseJson(c.text).has_value(), c.wellFormed) << c.text;
}

TEST(ParseJson, StringsAndMembersAsWritten) {
  const std::optional<JsonValue> value =
      ParseJson("{\"s\":\"\\u4e2d\\ud83d\\ude00\\ud800x\\\"\",\"n\":12,\"s\":\"last\",\"o\":{\"m\":\"v\"}}");
  ASSERT_TRUE(value);
  ASSERT_EQ(value->memberNames.size(), 4u);
  // U+4E2D, U+1F600 from its surrogate pair, a lone surrogate as U+FFFD, then x and the quote.
  EXPECT_EQ(value->memberValues[0].text, "\xE4\xB8\xAD\xF0\x9F\x98\x80\xEF\xBF\xBDx\"");
  EXPECT_EQ(*value->StringMember("s"), "last");  // a repeated name: the last one
  EXPECT_EQ(value->StringMember("n"), nullptr);  // a number is no string
  EXPECT_EQ(value->Member("n")->text, "12");
  EXPECT_EQ(*value->Member("o")->StringMember("m"), "v");
  EXPECT_EQ(value->Member("missing"), nullptr);
}

TEST(ParseJson, NestingIsBounded) {
  // Deep nesting from a hostile answer must not exhaust the stack.
  EXPECT_TRUE(ParseJson(std::string(64, '[') + std::string(64, ']')));
  EXPECT_FALSE(ParseJson(std::string(65, '[') + std::string(65, ']')));
  EXPECT_FALSE(ParseJson(std::string(100000, '[')));
}

}  // namespace
}  // namespace getlink
