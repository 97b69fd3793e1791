// What the status strip along the bottom of the main window says: the description line
// while nothing happens, the progress of a running fetch, and why the last fetch found no
// address (DescribeFailure).
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

// "正在获取… 已收到 12.5 KB，剩余 28 秒": the body bytes of the running download and the
// whole seconds left of its bound, rounded up (the last second left reads 1, not 0).
Text FetchProgressLine(const FetchProgress& progress);

}  // namespace getlink
