#include "app/Aria2Settings.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

using namespace std::string_literals;
using Kind = Aria2SettingsProblemKind;
using Problems = std::vector<Aria2SettingsProblem>;

struct Expected {
  Text rpc, secret;
  Problems problems;
};

TEST(Aria2SettingsFromIni, ValuesOfTheAria2SectionAndWhatCannotBeUsed) {
  const Text defaultRpc = kDefaultAria2Rpc;
  const struct {
    std::string bytes;
    Expected expected;
  } cases[] = {
      {"", {defaultRpc, "", {}}},
      // Motrix's port and secret; UTF-8 with a byte-order mark, CR LF, blanks and comments.
      {"\xEF\xBB\xBF; Motrix\r\n[Aria2]\r\n RPC = http://127.0.0.1:16800/jsonrpc \r\n\r\n# x\r\nsecret=\xE5\xAF\x86 k\r\n",
       {"http://127.0.0.1:16800/jsonrpc", "密 k", {}}},
      // Saved as Notepad's "Unicode" (UTF-16 little-endian) and "Unicode big endian".
      {"\xFF\xFE[\0a\0r\0i\0a\0" "2\0]\0\r\0\n\0s\0e\0c\0r\0e\0t\0=\0\xC6\x5B"s, {defaultRpc, "密", {}}},
      {"\xFE\xFF\0[\0a\0r\0i\0a\0" "2\0]\0\n\0r\0p\0c\0=\0h\0t\0t\0p\0:\0/\0/\0h\0/"s, {"http://h/", "", {}}},
      // GBK as written by an old editor; a later setting wins.
      {"[aria2]\nsecret=\xC3\xDC\nsecret=b\nrpc=https://h/jsonrpc", {"https://h/jsonrpc", "b", {}}},
      // Only [aria2] counts; other sections are left alone, whatever they hold. A setting
      // before any section line belongs to none: [aria2] is missing above it.
      {"rpc=http://a/\n[other]\nrpc=http://b/\nnonsense\n[aria2]\n[ aria2 ]secret=s\n",
       {defaultRpc, "", {{Kind::OutsideSection, 1}}}},
      {"; a comment\nrpc=http://127.0.0.1:16800/jsonrpc\r\nsecret=s\r\nwords\n", {defaultRpc, "", {{Kind::OutsideSection, 2},
                                                                                         {Kind::OutsideSection, 3}}}},
      {"[aria2]\nrpc=\nsecret=", {defaultRpc, "", {}}},
      // What cannot be used keeps its default and is told, with its line.
      {"[aria2]\nrpc=ws://127.0.0.1:6800/jsonrpc\nsecret=s\nrcp=http://h/\njust words\n[aria2\n=x",
       {defaultRpc, "s", {{Kind::RpcNotWebLink, 2}, {Kind::UnknownName, 4}, {Kind::NotASetting, 5},
                          {Kind::UnknownName, 7}}}},
      {"[aria2]\nrpc=http://\nrpc=127.0.0.1:6800\nrpc=http://h/a\x01\nrpc=http://h/ ; comment",
       {defaultRpc, "", {{Kind::RpcNotWebLink, 2}, {Kind::RpcNotWebLink, 3}, {Kind::RpcNotWebLink, 4},
                         {Kind::RpcNotWebLink, 5}}}},
      // Bytes in no encoding the file is read in: none of it is used.
      {"[\0a\0r\0i\0a\0" "2\0]\0\n\0s\0=\0x\0"s, {defaultRpc, "", {{Kind::UnknownEncoding, 0}}}},
      {"[aria2]\nsecret=s\xFF\n", {defaultRpc, "", {{Kind::UnknownEncoding, 0}}}},
  };
  for (const auto& c : cases) {
    const Aria2Settings settings = Aria2SettingsFromIni(c.bytes);
    const std::string shown = ::testing::PrintToString(c.bytes);
    EXPECT_EQ(settings.rpc, c.expected.rpc) << shown;
    EXPECT_EQ(settings.secret, c.expected.secret) << shown;
    EXPECT_EQ(settings.problems, c.expected.problems) << shown;
  }
}

TEST(Aria2SettingsFromIni, ALargeFileIsNotRead) {
  const Text large = "[aria2]\nrpc=http://h/\n" + Text(kLargestSettingsFile, ';');
  const Aria2Settings settings = Aria2SettingsFromIni(large);
  EXPECT_EQ(settings.rpc, kDefaultAria2Rpc);
  EXPECT_EQ(settings.problems, (Problems{{Kind::TooLarge, 0}}));
}

TEST(DescribeAria2SettingsProblem, SaysWhichLineAndWhatHappens) {
  const struct {
    Aria2SettingsProblem problem;
    const char* chinese;
    const char* english;
  } cases[] = {
      {{Kind::TooLarge, 0}, "getlink.ini 大于 64 KiB，使用默认设置", "getlink.ini is larger than 64 KiB: the defaults are used"},
      {{Kind::UnknownEncoding, 0}, "getlink.ini 不是 UTF-8、UTF-16 或 GBK 文本，使用默认设置",
       "getlink.ini is not UTF-8, UTF-16 or GBK text: the defaults are used"},
      {{Kind::OutsideSection, 1}, "getlink.ini 第 1 行不在 [aria2] 节中，已忽略",
       "getlink.ini line 1 is outside the [aria2] section: ignored"},
      {{Kind::NotASetting, 4}, "getlink.ini 第 4 行不是“名称=值”，已忽略", "getlink.ini line 4 is not NAME=VALUE: ignored"},
      {{Kind::UnknownName, 12}, "getlink.ini 第 12 行不是 rpc 或 secret，已忽略",
       "getlink.ini line 12 is neither rpc nor secret: ignored"},
      {{Kind::RpcNotWebLink, 2}, "getlink.ini 第 2 行 rpc 不是 http 或 https 地址，使用默认地址",
       "getlink.ini line 2: rpc is not an http or https address; using the default"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DescribeAria2SettingsProblem(c.problem, Wording::Chinese), c.chinese);
    EXPECT_EQ(DescribeAria2SettingsProblem(c.problem, Wording::English), c.english);
  }
}

// A user who copies aria2's own settings over, or puts the secret where it does not belong,
// never sees it shown, printed or read aloud.
TEST(DescribeAria2SettingsProblem, NeverQuotesTheFile) {
  const Aria2Settings settings = Aria2SettingsFromIni(
      "rpc-secret=S3CRET1\n[aria2]\nrpc-secret=S3CRET2\nS3CRET3\nrpc=ws://token:S3CRET4@h/\nrpc=http://h/ S3CRET5\n");
  ASSERT_EQ(settings.problems.size(), 5u);
  for (const Aria2SettingsProblem& problem : settings.problems) {
    for (Wording wording : {Wording::Chinese, Wording::English}) {
      const Text said = DescribeAria2SettingsProblem(problem, wording);
      EXPECT_EQ(said.find("S3CRET"), Text::npos) << said;
    }
  }
}

}  // namespace
}  // namespace getlink
