#include "app/Aria2Settings.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

using Kind = Aria2SettingsProblemKind;

struct Expected {
  Text rpc, secret;
  std::vector<std::pair<Kind, int>> problems;  // kind and line
};

TEST(Aria2SettingsFromIni, ValuesOfTheAria2SectionAndWhatCannotBeUsed) {
  const Text defaultRpc = kDefaultAria2Rpc;
  const struct {
    const char* bytes;
    Expected expected;
  } cases[] = {
      {"", {defaultRpc, "", {}}},
      // Motrix's port and secret; UTF-8 with a byte-order mark, CR LF, blanks and comments.
      {"\xEF\xBB\xBF; Motrix\r\n[Aria2]\r\n RPC = http://127.0.0.1:16800/jsonrpc \r\n\r\n# x\r\nsecret=\xE5\xAF\x86 k\r\n",
       {"http://127.0.0.1:16800/jsonrpc", "密 k", {}}},
      // GBK as written by an old editor; a later setting wins.
      {"[aria2]\nsecret=\xC3\xDC\nsecret=b\nrpc=https://h/jsonrpc", {"https://h/jsonrpc", "b", {}}},
      // Only [aria2] counts; other sections are left alone, whatever they hold.
      {"rpc=http://a/\n[other]\nrpc=http://b/\nnonsense\n[aria2]\n[ aria2 ]secret=s\n", {defaultRpc, "", {}}},
      {"[aria2]\nrpc=\nsecret=", {defaultRpc, "", {}}},
      // What cannot be used keeps its default and is told, with its line.
      {"[aria2]\nrpc=ws://127.0.0.1:6800/jsonrpc\nsecret=s\nrcp=http://h/\njust words\n[aria2\n=x",
       {defaultRpc, "s", {{Kind::RpcNotWebLink, 2}, {Kind::UnknownName, 4}, {Kind::NotASetting, 5},
                          {Kind::UnknownName, 7}}}},
      {"[aria2]\nrpc=http://\nrpc=127.0.0.1:6800\nrpc=http://h/a\x01\nrpc=http://h/ ; comment",
       {defaultRpc, "", {{Kind::RpcNotWebLink, 2}, {Kind::RpcNotWebLink, 3}, {Kind::RpcNotWebLink, 4},
                         {Kind::RpcNotWebLink, 5}}}},
  };
  for (const auto& c : cases) {
    const Aria2Settings settings = Aria2SettingsFromIni(c.bytes);
    EXPECT_EQ(settings.rpc, c.expected.rpc) << c.bytes;
    EXPECT_EQ(settings.secret, c.expected.secret) << c.bytes;
    std::vector<std::pair<Kind, int>> problems;
    for (const Aria2SettingsProblem& problem : settings.problems) problems.emplace_back(problem.kind, problem.line);
    EXPECT_EQ(problems, c.expected.problems) << c.bytes;
  }
}

TEST(Aria2SettingsFromIni, ALargeFileIsNotRead) {
  const Text large = "[aria2]\nrpc=http://h/\n" + Text(kLargestSettingsFile, ';');
  const Aria2Settings settings = Aria2SettingsFromIni(large);
  EXPECT_EQ(settings.rpc, kDefaultAria2Rpc);
  ASSERT_EQ(settings.problems.size(), 1u);
  EXPECT_EQ(settings.problems[0].kind, Kind::TooLarge);
}

TEST(DescribeAria2SettingsProblem, SaysWhichLineAndWhatHappens) {
  const Aria2SettingsProblem problem{Kind::RpcNotWebLink, 2, "rpc=ws://h\x01" + Text(40, 'x')};
  EXPECT_EQ(DescribeAria2SettingsProblem(problem, Wording::Chinese),
            "getlink.ini 第 2 行“rpc=ws://h?" + Text(29, 'x') +
                "…”无法使用（不是 http 或 https 地址），使用 http://127.0.0.1:6800/jsonrpc");
  EXPECT_EQ(DescribeAria2SettingsProblem({Kind::RpcNotWebLink, 3, "rpc=ws://h"}, Wording::English),
            "getlink.ini line 3 \"rpc=ws://h\" cannot be used (not an http or https address); using "
            "http://127.0.0.1:6800/jsonrpc");
  EXPECT_EQ(DescribeAria2SettingsProblem({Kind::TooLarge, 0, ""}, Wording::English),
            "getlink.ini is larger than 64 KiB and was not read: the defaults are used");
}

}  // namespace
}  // namespace getlink
