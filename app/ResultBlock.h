// The text the result box shows after a fetch.
#pragma once

#include "app/ShareInfo.h"

namespace getlink {

// "文件名：NAME\r\n文件大小：...\r\n下载次数：COUNT\r\n\r\n文件地址：ADDRESS": the six labels
// are always there, empty fields stay empty, and there is no line break at the end.
Text ResultBlock(const ShareInfo& info);

// "文件地址：ADDRESS": what a 360云盘 fetch shows, which finds the address alone.
Text AddressBlock(std::string_view address);

// What the result box shows after a fetch: the address block for a service that finds the
// address alone (360云盘), the result block for the others.
Text ResultText(const ShareInfo& info, bool addressOnly);

}  // namespace getlink
