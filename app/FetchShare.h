// One fetch of a share link, as the window's fetch button and getlink-cli run it.
#pragma once

#include <optional>

#include "app/ServiceCatalog.h"
#include "app/ShareInfo.h"
#include "http/FetchWatch.h"

namespace getlink {

// Runs the service's extractor on the link, or its rule with the link and the extraction
// code: the page-based services assign all six fields of info, 360云盘 its address alone (a
// rule the fields its result names; ResultText shows what each found). Returns why no
// address came back: the reason of the download step that failed last, else why the page
// or the rule gave none; nothing when an address came back. The hook, when given, hears of
// the progress of each page download, on the calling thread.
std::optional<FetchFailure> FetchShare(const ServiceEntry& service, const Text& link, const Text& code,
                                       ShareInfo& info, FetchWatch::ProgressHook onProgress = {});

}  // namespace getlink
