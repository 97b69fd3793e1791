// What the status strip along the bottom of the main window says: the description line
// while nothing happens, the progress of a running fetch, why the last fetch found no
// address (DescribeFailure), and how handing the address to aria2 went (DescribeAria2Outcome).
#pragma once

#include "http/FetchWatch.h"
#include "runtime/Text.h"

namespace getlink {

// Blanks between the description and the version: one after the maker's name, 37 before
// the version.
inline constexpr int kDescriptionBlanks = 38;

// "说明：本程序由Zolmar网提供", the blanks, "版本号：1.2".
Text DescriptionLine(int blanks = kDescriptionBlanks);

// "正在获取…", before anything of the page has arrived.
Text FetchStartedLine();

// "无法开始获取：无法创建线程": no worker could be started for the fetch.
Text FetchNotStartedLine();

// "正在发送到 aria2…", while aria2 has not answered.
Text Aria2SendingLine();

// "无法发送：无法创建线程": no worker could be started for the send.
Text Aria2SendNotStartedLine();

// "无法复制下载地址：剪贴板打不开".
Text AddressNotCopiedLine();

// "正在获取… 已收到 12.5 KB，剩余 28 秒": the body bytes of the running download and the
// whole seconds left of its bound, rounded up (the last second left reads 1, not 0).
Text FetchProgressLine(const FetchProgress& progress);

}  // namespace getlink
