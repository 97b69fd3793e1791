#include "ui/framework/drawing/LineElision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace getlink {
namespace {

// A byte a unit wide: an ASCII character 1, a Chinese character and "…" 2.
float ByteWidth(std::string_view text) { return static_cast<float>(text.size()); }

constexpr char kNotRunning[] = "无法发送到 aria2：http://127.0.0.1:6800/jsonrpc 上没有运行 aria2";  // 64 bytes
constexpr char kBadLine[] =
    "getlink.ini 第 3 行“rpc=ftp://127.0.0.1:6800/jsonrpc”无法使用（不是 http 或 https 地址），使用 "
    "http://127.0.0.1:6800/jsonrpc";  // 126 bytes
// Each of 慮, 沒, 廬 and 揮 ends in the byte of "]".
constexpr char kChinese[] = "考慮沒有廬山揮手再見";

TEST(ElideLine, AddressesGiveUpTheirMiddleBeforeTheSentence) {
  const struct {
    const char* what;
    const char* line;
    float room;
    const char* shown;
  } cases[] = {
      {"fits whole", kNotRunning, 64, kNotRunning},
      {"the address gives what is needed", kNotRunning, 54, "无法发送到 aria2：http://12…/jsonrpc 上没有运行 aria2"},
      {"the longest address first, then the next", kBadLine, 100,
       "getlink.ini 第 3 行“rpc=…nrpc”无法使用（不是 http 或 https 地址），使用 http://127.0…800/jsonrpc"},
      {"the whole address before the sentence", kNotRunning, 37, "无法发送到 aria2：… 上没有运行 aria2"},
      {"then the middle of the line", kNotRunning, 30, "无法发送到 aria…有运行 aria2"},
      {"no address: the middle of the line", kChinese, 14, "考慮沒…手再見"},
      {"a file name is no address", "文件 getlink.ini 读不到", 18, "文件 get…i 读不到"},
      {"nothing fits", kNotRunning, 1, "…"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ElideLine(c.line, c.room, ByteWidth), c.shown);
  }
}

// The byte offsets where the text's characters start.
std::set<std::size_t> Starts(std::string_view text) {
  std::set<std::size_t> starts;
  for (std::size_t at = 0; at < text.size(); at += CharacterWidthAt(text, at)) starts.insert(at);
  starts.insert(text.size());
  return starts;
}

// Whether `shown` is pieces of `line` in their order, each cut between whole characters,
// joined by "…", the last piece ending the line.
::testing::AssertionResult MadeOfWholeCharacters(std::string_view line, std::string_view shown) {
  std::vector<Text> pieces(1);
  ForEachCharacter(shown, [&](std::string_view c) {
    if (c == "…")
      pieces.emplace_back();
    else
      pieces.back() += c;
  });
  const std::set<std::size_t> starts = Starts(line);
  std::size_t from = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Text& piece = pieces[i];
    const bool last = i + 1 == pieces.size() && i > 0;  // the line's end, when anything was cut
    std::size_t at = last ? line.size() - std::min(piece.size(), line.size()) : line.find(piece, from);
    while (!last && at != Text::npos && (starts.count(at) == 0 || starts.count(at + piece.size()) == 0))
      at = line.find(piece, at + 1);
    if (at == Text::npos || at < from || line.compare(at, piece.size(), piece) != 0 || starts.count(at) == 0)
      return ::testing::AssertionFailure() << "\"" << piece << "\" is no run of whole characters in its place";
    from = at + piece.size();
  }
  return ::testing::AssertionSuccess();
}

// At every room, and with characters whose second byte reads as ASCII, the line fits and
// keeps whole characters.
TEST(ElideLine, FitsEveryRoomWithWholeCharacters) {
  for (const char* line : {kNotRunning, kBadLine, kChinese}) {
    for (int room = 2; room <= static_cast<int>(std::string_view(line).size()); ++room) {
      SCOPED_TRACE(std::string(line) + " in " + std::to_string(room));
      const Text shown = ElideLine(line, static_cast<float>(room), ByteWidth);
      EXPECT_LE(ByteWidth(shown), room);
      EXPECT_TRUE(MadeOfWholeCharacters(line, shown)) << shown;
    }
  }
}

}  // namespace
}  // namespace getlink
