#include "runtime/Codec.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(Codec, Utf8AndGbkRoundTrip) {
  EXPECT_EQ(Utf8ToGbkBytes("\xE6\x96\x87\xE4\xBB\xB6"), "文件");
  EXPECT_EQ(Utf8ToGbkBytes("\xE4\xB8\xAD"), "\xD6\xD0");
  EXPECT_EQ(GbkToUtf8("文件"), "\xE6\x96\x87\xE4\xBB\xB6");
  EXPECT_EQ(GbkToUtf8("abc"), "abc");
  EXPECT_EQ(Utf8ToGbkBytes(""), "");
  // Full-width forms and the euro sign of code page 936.
  EXPECT_EQ(Utf8ToGbkBytes("\xEF\xBC\x9A"), "：");
  EXPECT_EQ(Utf8ToGbkBytes("\xE2\x82\xAC"), "\x80");
}

TEST(Codec, KeepsZeroBytes) {
  EXPECT_EQ(Utf8ToGbkBytes(std::string("a\0b", 3)), std::string("a\0b", 3));
}

#ifdef _WIN32
TEST(Codec, WideTextUsesCodePage936) {
  EXPECT_EQ(ToWide("文件"), L"\x6587\x4EF6");
  EXPECT_EQ(FromWide(L"\x6587\x4EF6"), "文件");
  EXPECT_EQ(ToWide(""), L"");
}
#endif

}  // namespace
}  // namespace getlink
