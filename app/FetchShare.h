// One fetch of a share link, as the window's fetch button and getlink-cli run it.
#pragma once

#include <optional>

#include "app/Service.h"
#include "app/ShareInfo.h"
#include "http/FetchWatch.h"

namespace getlink {

// Runs the service's extractor on the link: the page-based services assign all six fields
// of info, 360云盘 its address alone (ResultText shows what each found). Returns why no
// address came back: the reason of the download step that failed last, else that the page
// carries none; nothing when an address came back. The hook, when given, hears of the
// progress of each page download, on the calling thread.
std::optional<FetchFailure> FetchShare(Service service, const Text& link, ShareInfo& info,
                                       FetchWatch::ProgressHook onProgress = {});

}  // namespace getlink
