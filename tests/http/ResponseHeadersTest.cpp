#include "http/ResponseHeaders.h"

#include <gtest/gtest.h>

#include "runtime/TextConvert.h"

namespace getlink {
namespace {

TEST(ReadResponseHeaders, LastLocationLineWinsContentLocationIncluded) {
  EXPECT_EQ(ReadResponseHeaders("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:81/a?b=c\r\n"
                                "Content-Location: /b\r\n\r\n")
                .location,
            "/b");
  EXPECT_EQ(ReadResponseHeaders("Content-Location: /b\r\nLocation:  http://127.0.0.1/a \r\n").location,
            "http://127.0.0.1/a");
}

TEST(ReadResponseHeaders, NoLocationLineGivesEmptyLocation) {
  EXPECT_EQ(ReadResponseHeaders("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n").location, "");
  EXPECT_EQ(ReadResponseHeaders("location: /lower-case-does-not-count\r\n").location, "");
}

TEST(ReadResponseHeaders, SetCookieEntriesInHeaderOrder) {
  EXPECT_EQ(ReadResponseHeaders("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nContent-Length: 0\r\n"
                                "Set-Cookie: b=x y; Path=/; HttpOnly\r\n")
                .newCookies,
            "a=1; b=x y; ");
  EXPECT_EQ(ReadResponseHeaders("Content-Type: text/html\r\n").newCookies, "");
}

TEST(ReadResponseHeaders, CookieValueEndingTheLineIsCaptured) {
  EXPECT_EQ(ReadResponseHeaders("Set-Cookie: solo=1\r\nSet-Cookie: b=deleted; expires=Thu\r\n").newCookies,
            "solo=1; b=deleted; ");
}

TEST(ReadResponseHeaders, ContentLengthOfTheLastLineThatNamesIt) {
  EXPECT_EQ(ReadResponseHeaders("HTTP/1.1 200 OK\r\ncontent-length:  186 \r\nX-Content-Length: 5\r\n\r\n").contentLength,
            186u);
  EXPECT_EQ(ReadResponseHeaders("Content-Length: 10\r\nContent-Length: -1\r\n").contentLength, std::nullopt);
  EXPECT_EQ(ReadResponseHeaders("HTTP/1.1 200 OK\r\n\r\n").contentLength, std::nullopt);
}

// "charset=utf-8" at the 1-based byte position, after padding.
ByteSet BodyDeclaringAt(int position, std::string_view declaration = "charset=utf-8") {
  return TextToByteSet(ConcatTexts(Text(static_cast<std::size_t>(position - 1), 'x'), declaration, " tail"));
}

TEST(DeclaresUtf8, BodyDeclarationCountsWithinTheFirst499Bytes) {
  EXPECT_TRUE(DeclaresUtf8(BodyDeclaringAt(1), ""));
  EXPECT_TRUE(DeclaresUtf8(BodyDeclaringAt(499), ""));
  EXPECT_FALSE(DeclaresUtf8(BodyDeclaringAt(500), ""));
  EXPECT_FALSE(DeclaresUtf8(ByteSet(), "Content-Type: text/html"));
}

TEST(DeclaresUtf8, LettersInAnyCase) {
  EXPECT_TRUE(DeclaresUtf8(BodyDeclaringAt(10, "charset=UTF-8"), ""));
  EXPECT_TRUE(DeclaresUtf8(BodyDeclaringAt(10, "CharSet=Utf-8"), ""));
  EXPECT_TRUE(DeclaresUtf8(ByteSet(), "Content-Type: text/html; charset=UTF-8\r\n"));
  EXPECT_FALSE(DeclaresUtf8(BodyDeclaringAt(10, "charset=utf-16"), "Content-Type: text/html; charset=gbk"));
}

TEST(DeclaresUtf8, HeadersCountWhereverTheBodyDeclares) {
  EXPECT_TRUE(DeclaresUtf8(BodyDeclaringAt(800), "Content-Type: text/html; charset=utf-8"));
}

TEST(DeclaresUtf8, FoundRightAfterAMultiByteCharacter) {
  // The last byte of "中" in UTF-8 (E4 B8 AD) and "c" would look like one GBK character.
  EXPECT_TRUE(DeclaresUtf8(TextToByteSet("<meta \xE4\xB8\xAD" "charset=utf-8>"), ""));
}

}  // namespace
}  // namespace getlink
