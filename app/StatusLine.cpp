#include "app/StatusLine.h"

#include <algorithm>
#include <cstdio>

#include "resources/ProgramVersion.h"

namespace getlink {
namespace {

// "512 字节", "12.5 KB", "3.2 MB".
Text ByteCountText(std::uint64_t bytes) {
  constexpr std::uint64_t kKilo = 1024;
  if (bytes < kKilo) return std::to_string(bytes) + " 字节";
  char number[32];
  const bool mega = bytes >= kKilo * kKilo;
  std::snprintf(number, sizeof number, "%.1f", static_cast<double>(bytes) / static_cast<double>(mega ? kKilo * kKilo : kKilo));
  return ConcatTexts(number, mega ? " MB" : " KB");
}

}  // namespace

Text DescriptionLine(int blanks) {
  return ConcatTexts("说明：本程序由Zolmar网提供", Text(static_cast<std::size_t>(std::max(blanks, 0)), ' '), "版本号：",
                     GETLINK_VERSION_TEXT);
}

Text FetchStartedLine() { return "正在获取…"; }

Text FetchNotStartedLine() { return "无法开始获取：无法创建线程"; }

Text Aria2SendingLine() { return "正在发送到 aria2…"; }

Text Aria2SendNotStartedLine() { return "无法发送：无法创建线程"; }

Text AddressNotCopiedLine() { return "无法复制下载地址：剪贴板打不开"; }

Text FetchProgressLine(const FetchProgress& progress) {
  const auto left = progress.timeLeft.count() > 0 ? (progress.timeLeft.count() + 999) / 1000 : 0;
  return ConcatTexts(FetchStartedLine(), " 已收到 ", ByteCountText(progress.bytesReceived), "，剩余 ",
                     std::to_string(left), " 秒");
}

}  // namespace getlink
