#include "http/RequestHeaders.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

std::vector<Text> Names(const std::vector<HeaderField>& fields) {
  std::vector<Text> names;
  for (const HeaderField& field : fields) names.push_back(field.name);
  return names;
}

TEST(DefaultRequestHeaders, RefererIsTheUrlThenFourFixedHeaders) {
  const Text block = DefaultRequestHeaders("http://127.0.0.1:8080/share/downloadfile/");
  EXPECT_EQ(block.substr(0, block.find("\r\n")), "Referer: http://127.0.0.1:8080/share/downloadfile/");
  const std::vector<HeaderField> fields = RequestHeaderFields(block);
  EXPECT_EQ(Names(fields),
            (std::vector<Text>{"Referer", "Accept", "Accept-Language", "User-Agent", "Content-Type"}));
  EXPECT_EQ(fields[0].value, "http://127.0.0.1:8080/share/downloadfile/");  // the URL's own ":" kept
  EXPECT_EQ(fields[2].value, "zh-cn");
  EXPECT_EQ(fields[3].value,
            "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; QX7RB; .NET CLR 2.0.50727; "
            ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)");
  EXPECT_EQ(fields[4].value, "application/x-www-form-urlencoded");
}

TEST(RequestHeaderFields, SingleLineAndEmptyLinesBetween) {
  const std::vector<HeaderField> one = RequestHeaderFields(" X-One :  1 ");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].name, "X-One");
  EXPECT_EQ(one[0].value, "1");

  EXPECT_EQ(Names(RequestHeaderFields("X-A: 1\r\n\r\nX-B: 2\r\n")), (std::vector<Text>{"X-A", "X-B"}));
  EXPECT_TRUE(RequestHeaderFields("\r\n\r\n").empty());
}

TEST(RequestHeaderFields, LineWithoutColonGivesEmptyNameAndValue) {
  const std::vector<HeaderField> fields = RequestHeaderFields("X-A: 1\r\nbroken\r\nX-B: 2");
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[1].name, "");
  EXPECT_EQ(fields[1].value, "");
  EXPECT_EQ(fields[2].name, "X-B");
}

TEST(RequestHeaderFields, OnlyCrLfSeparatesLines) {
  // A lone CR or LF stays inside the value, where HoldsLineBreak finds it.
  const std::vector<HeaderField> fields = RequestHeaderFields("X-A: 1\nX-Injected: 2");
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_TRUE(HoldsLineBreak(fields[0].value));
  EXPECT_TRUE(HoldsLineBreak("a=1\rb=2"));
  EXPECT_FALSE(HoldsLineBreak("a=1; b=2"));
  EXPECT_FALSE(HoldsLineBreak(""));
}

TEST(RequestTimeoutMilliseconds, MinusOneLeavesTheObjectsOwn) {
  EXPECT_EQ(RequestTimeoutMilliseconds(-1), std::nullopt);
  EXPECT_EQ(RequestTimeoutMilliseconds(0), 15000);
  EXPECT_EQ(RequestTimeoutMilliseconds(-5), 15000);
  EXPECT_EQ(RequestTimeoutMilliseconds(INT32_MIN), 15000);
  EXPECT_EQ(RequestTimeoutMilliseconds(1), 1000);
  EXPECT_EQ(RequestTimeoutMilliseconds(30), 30000);
  EXPECT_EQ(RequestTimeoutMilliseconds(INT32_MAX), INT32_MAX);  // not wrapped negative
  EXPECT_EQ(RequestTimeoutMilliseconds(2147484), INT32_MAX);
}

}  // namespace
}  // namespace getlink
