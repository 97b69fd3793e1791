#include "http/FetchFailure.h"

#include <gtest/gtest.h>

namespace getlink {
namespace {

using namespace std::chrono_literals;

TEST(DescribeFailure, EveryKindInBothWordings) {
  const struct {
    FetchFailure failure;
    const char* chinese;
    const char* english;
  } cases[] = {
      {{FailureKind::NotWebLink}, "链接不是 http 或 https 地址", "the link is not an http or https address"},
      {{FailureKind::TimedOut, 30000}, "无法下载页面：30 s 后超时", "the page could not be downloaded: timed out after 30 s"},
      {{FailureKind::TimedOut, 1250}, "无法下载页面：1.25 s 后超时", "the page could not be downloaded: timed out after 1.25 s"},
      {{FailureKind::ConnectionRefused}, "无法下载页面：连接被拒绝", "the page could not be downloaded: connection refused"},
      {{FailureKind::ConnectionBroken}, "无法下载页面：连接中断", "the page could not be downloaded: the connection broke"},
      {{FailureKind::HostNotFound}, "无法下载页面：找不到主机", "the page could not be downloaded: host not found"},
      {{FailureKind::HttpStatus, 404}, "无法下载页面：HTTP 状态 404", "the page could not be downloaded: HTTP status 404"},
      {{FailureKind::PageTooLarge, 4 << 20}, "无法下载页面：页面大于 4 MiB", "the page could not be downloaded: larger than 4 MiB"},
      {{FailureKind::PageTooLarge, 3072}, "无法下载页面：页面大于 3 KiB", "the page could not be downloaded: larger than 3 KiB"},
      {{FailureKind::PageTooLarge, 1000}, "无法下载页面：页面大于 1000 字节",
       "the page could not be downloaded: larger than 1000 bytes"},
      {{FailureKind::DownloadFailed}, "无法下载页面：服务器没有应答", "the page could not be downloaded: the server gave no answer"},
      {{FailureKind::DownloadFailed, 12152}, "无法下载页面：错误 12152", "the page could not be downloaded: error 12152"},
      {{FailureKind::NoAddress}, "页面中没有下载地址（分享已取消或页面已改版）",
       "the page carries no download address (the share was removed or the page changed)"},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(DescribeFailure(entry.failure, Wording::Chinese), entry.chinese);
    EXPECT_EQ(DescribeFailure(entry.failure, Wording::English), entry.english);
  }
}

// A rule's failures carry its file, its step and a text, put into the wording as they are:
// a value that holds a placeholder's name is not filled in again.
TEST(DescribeFailure, RuleFailuresNameTheirFileAndStep) {
  const auto rule = [](FailureKind kind, int step, Text text) {
    FetchFailure failure(kind);
    failure.rule = "services\\{step}.json";
    failure.step = step;
    failure.text = std::move(text);
    return failure;
  };
  const struct {
    FetchFailure failure;
    const char* chinese;
    const char* english;
  } cases[] = {
      {rule(FailureKind::RuleStopped, 3, "cut name"), "没有下载地址：规则 services\\{step}.json 在第 3 步（cut name）没有得到内容",
       "no download address: rule services\\{step}.json got nothing at step 3 (cut name)"},
      {rule(FailureKind::RuleStopped, 0, ""), "没有下载地址：规则 services\\{step}.json 得到的地址不是 http 或 https 地址",
       "no download address: the address rule services\\{step}.json made is not an http or https address"},
      {rule(FailureKind::RuleFailed, 7, "提取码错误 {rule}"), "提取码错误 {rule}", "提取码错误 {rule}"},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(DescribeFailure(entry.failure, Wording::Chinese), entry.chinese);
    EXPECT_EQ(DescribeFailure(entry.failure, Wording::English), entry.english);
  }
}

TEST(FailureFromSystemError, TheNetworkErrorsThatHaveAReason) {
  EXPECT_EQ(FailureFromSystemError(12002, 1500ms), (FetchFailure{FailureKind::TimedOut, 1500}));
  EXPECT_EQ(FailureFromSystemError(12007, 1500ms), FetchFailure{FailureKind::HostNotFound});
  EXPECT_EQ(FailureFromSystemError(12029, 1500ms), FetchFailure{FailureKind::ConnectionRefused});
  EXPECT_EQ(FailureFromSystemError(12030, 1500ms), FetchFailure{FailureKind::ConnectionBroken});
  EXPECT_EQ(FailureFromSystemError(12031, 1500ms), FetchFailure{FailureKind::ConnectionBroken});
  EXPECT_EQ(FailureFromSystemError(12152, 1500ms), (FetchFailure{FailureKind::DownloadFailed, 12152}));
}

}  // namespace
}  // namespace getlink
