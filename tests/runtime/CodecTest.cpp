#include "runtime/Codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

// Each way Notepad saves "rpc=文件", and bytes in none of them.
TEST(Codec, TextOfSavedFileInEveryEncodingNotepadSaves) {
  using namespace std::string_literals;
  const struct {
    std::string bytes;
    std::optional<Text> text;
  } cases[] = {
      {"rpc=\xE6\x96\x87\xE4\xBB\xB6", "rpc=文件"},                 // UTF-8
      {"\xEF\xBB\xBFrpc=\xE6\x96\x87\xE4\xBB\xB6", "rpc=文件"},     // UTF-8 with its mark
      {"\xFF\xFEr\0p\0c\0=\0\x87\x65\xF6\x4E"s, "rpc=文件"},      // "Unicode": UTF-16 LE
      {"\xFE\xFF\0r\0p\0c\0=\x65\x87\x4E\xF6"s, "rpc=文件"},      // "Unicode big endian"
      {"rpc=\xCE\xC4\xBC\xFE", "rpc=文件"},                          // "ANSI" on a Chinese Windows
      {"\x80", "\x80"},                                                // the euro sign
      {"", ""},
      {"r\0p\0c\0"s, std::nullopt},                                    // UTF-16 without its mark
      {"\xFF\xFEr\0p"s, std::nullopt},                                 // an odd count
      {"\xFF\xFE\x3D\xD8r\0"s, std::nullopt},                         // half a surrogate pair
      {"\xFF\xFE\x00\xDE"s, std::nullopt},
      {"\xFF\xFE\0\0r\0\0\0"s, std::nullopt},                         // UTF-32 LE
      {"\xEF\xBB\xBFrpc=\xCE\xC4", std::nullopt},                      // marked UTF-8 that is not
      {"rpc=\xCE", std::nullopt},                                       // a lead byte without its trail
      {"rpc=\xFFx", std::nullopt},
      {"a\0b"s, std::nullopt},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(TextOfSavedFile(entry.bytes), entry.text) << ::testing::PrintToString(entry.bytes);
  }
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
