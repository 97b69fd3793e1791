#include "app/StatusLine.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

TEST(StatusLine, DescriptionKeepsItsBlanksBeforeTheVersion) {
  EXPECT_EQ(DescriptionLine(), "说明：本程序由Zolmar网提供" + Text(38, ' ') + "版本号：1.2");
}

TEST(StatusLine, ProgressNamesBytesAndSecondsLeftRoundedUp) {
  using std::chrono::milliseconds;
  const struct {
    std::uint64_t bytes;
    milliseconds left;
    const char* expected;
  } cases[] = {
      {0, milliseconds(30000), "正在获取… 已收到 0 字节，剩余 30 秒"},
      {1023, milliseconds(29001), "正在获取… 已收到 1023 字节，剩余 30 秒"},
      {12800, milliseconds(27000), "正在获取… 已收到 12.5 KB，剩余 27 秒"},
      {1048576, milliseconds(1), "正在获取… 已收到 1.0 MB，剩余 1 秒"},
      {3355443, milliseconds(0), "正在获取… 已收到 3.2 MB，剩余 0 秒"},
      {4194304, milliseconds(-5), "正在获取… 已收到 4.0 MB，剩余 0 秒"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FetchProgressLine({c.bytes, c.left}), c.expected) << c.bytes << " bytes, " << c.left.count() << " ms";
  }
}

}  // namespace
}  // namespace getlink
