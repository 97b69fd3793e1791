#include "app/CliOutput.h"

#include <gtest/gtest.h>

#include "app/CliBatch.h"
#include "app/ResultBlock.h"

namespace getlink {
namespace {

FetchedLink Found(Text name, Text address) {
  FetchedLink fetched;
  fetched.service = "weiyun";
  fetched.link = "http://share.weiyun.com/1";
  fetched.info.name = std::move(name);
  fetched.info.address = std::move(address);
  return fetched;
}

TEST(FormatFetchedLink, EachFormatOfAFoundAndAFailedLink) {
  const FetchedLink found = Found("报告.pdf", "http://h/f?fname=报告.pdf");
  FetchedLink failed = Found("", "");
  failed.service = "360";
  failed.addressOnly = true;
  failed.extractionCode = "ab12";
  failed.failure = FetchFailure{FailureKind::HttpStatus, 404};

  EXPECT_EQ(FormatFetchedLink(OutputFormat::Text, found), ResultBlock(found.info) + "\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Text, failed), "文件地址：\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Url, found), "http://h/f?fname=报告.pdf\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Url, failed), "");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, found), "http://h/f?fname=报告.pdf\r\n  out=报告.pdf\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, failed), "");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Json, found),
            "{\"service\":\"weiyun\",\"link\":\"http://share.weiyun.com/1\",\"code\":\"\",\"name\":\"报告.pdf\","
            "\"size\":\"\",\"sharer\":\"\",\"shareTime\":\"\",\"downloadCount\":\"\","
            "\"address\":\"http://h/f?fname=报告.pdf\"}\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Json, failed),
            "{\"service\":\"360\",\"link\":\"http://share.weiyun.com/1\",\"code\":\"ab12\",\"name\":\"\","
            "\"size\":\"\",\"sharer\":\"\",\"shareTime\":\"\",\"downloadCount\":\"\",\"address\":\"\","
            "\"reason\":\"the page could not be downloaded: HTTP status 404\"}\r\n");
  EXPECT_EQ(OutputSeparator(OutputFormat::Text), "\r\n");
  EXPECT_EQ(OutputSeparator(OutputFormat::Json), "");
}

// What a hostile share page puts into the fields must not break out of its line of the
// aria2 file, nor move the download out of aria2's directory.
TEST(FormatFetchedLink, PageTextCannotBreakOutOfItsPlace) {
  const FetchedLink hostile = Found("../誠/x\\y\r\n  dir=/etc", "http://h/a b\r\n  dir=/etc");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, hostile),
            "http://h/a%20b%0D%0A%20%20dir=/etc\r\n  out=.._誠_x_y__  dir=_etc\r\n");
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, Found("..", "http://h/f")), "http://h/f\r\n");
  // 80 5C is the euro sign and a backslash once converted, not one character.
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, Found("\x80\\x", "http://h/f")), "http://h/f\r\n  out=\x80_x\r\n");
  // A drive (C:x is relative to C:'s current folder on Windows) or a stream (x:y) is no name.
  EXPECT_EQ(FormatFetchedLink(OutputFormat::Aria2, Found("C:x.txt", "http://h/f")), "http://h/f\r\n  out=C_x.txt\r\n");
}

TEST(FailureReason, AnAddressThatCouldNotBeSentFailsTheLink) {
  FetchedLink fetched = Found("a.pdf", "http://h/a.pdf");
  EXPECT_EQ(FailureReason(fetched), std::nullopt);
  fetched.sent = Aria2Outcome{Aria2Result::Sent, 0, "", "http://127.0.0.1:6800/jsonrpc"};
  EXPECT_EQ(FailureReason(fetched), std::nullopt);
  fetched.sent->result = Aria2Result::SecretRefused;
  const Text reason = "the address could not be sent to aria2: aria2 refused the secret";
  EXPECT_EQ(FailureReason(fetched), reason);
  EXPECT_NE(FormatFetchedLink(OutputFormat::Json, fetched).find(ConcatTexts(",\"reason\":\"", reason, "\"}")),
            Text::npos);
}

TEST(InputLines, NonBlankLinesOfUtf8OrGbkInput) {
  using Lines = std::vector<Text>;
  // "链接" as UTF-8 and as GBK.
  EXPECT_EQ(InputLines("\xEF\xBB\xBF\xE9\x93\xBE\xE6\x8E\xA5 http://a/1\r\n\r\n  \r\n\t http://a/2 \n"),
            (Lines{"链接 http://a/1", "http://a/2"}));
  EXPECT_EQ(InputLines("\xC1\xB4\xBD\xD3 http://a/1\n　\nhttp://a/2"), (Lines{"链接 http://a/1", "http://a/2"}));
  EXPECT_EQ(InputLines(""), Lines{});
}

TEST(ShareTextsOfLines, AMessageOverSeveralLinesStaysOneText) {
  using Lines = std::vector<Text>;
  const struct {
    Lines lines, texts;
  } cases[] = {
      {{"http://a/1", "http://a/2"}, {"http://a/1", "http://a/2"}},
      {{"通过网盘分享的文件：书.pdf", "链接: https://a/1?pwd=x7k2", "提取码: x7k2", "--来自百度网盘的分享", "https://a/2"},
       {"通过网盘分享的文件：书.pdf\n链接: https://a/1?pwd=x7k2\n提取码: x7k2\n--来自百度网盘的分享", "https://a/2"}},
      {{"no link", "nor here"}, {"no link", "nor here"}},  // left for the batch to refuse
      {{}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ShareTextsOfLines(c.lines), c.texts);
  // The code on the line after the link is found with it.
  const Lines texts = ShareTextsOfLines({"链接：http://a/1", "提取码：ab12"});
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(FindShareLink(texts[0]).extractionCode, "ab12");
}

}  // namespace
}  // namespace getlink
