// The fetch command: one fetch of the link in the link box's text, on a worker thread of
// its own, so that the window stays usable during the download. The worker touches no
// window object: everything it has to say goes to one control of the window (the fetch
// button) through that control's address, as the two events below, and is handled there
// on the window's thread.
#pragma once

#include <cstdint>
#include <optional>

#include "app/ServiceCatalog.h"
#include "app/ShareInfo.h"
#include "http/FetchFailure.h"
#include "http/FetchWatch.h"
#include "ui/framework/window/ControlAddress.h"

namespace getlink {

// What the window hands the worker, read on the window's thread when the button is clicked.
struct FetchRequest {
  ServiceEntry service;
  Text pastedText;  // the link box's text: a bare link or a whole share text
};

// What the worker found out.
struct FetchOutcome {
  ServiceEntry service;
  ShareInfo info;
  std::optional<FetchFailure> failure;  // why no address came back
};

// The events the worker sends to the control that reports for it.
enum class FetchEvent : std::int32_t {
  // Posted, at most every kProgressInterval, with the FetchProgress of the download.
  Progress = WM_APP + 1,
  // Sent once, last, with the FetchOutcome; the worker waits for it.
  Finished = WM_APP + 2,
};

constexpr EventCode ToEventCode(FetchEvent event) { return static_cast<EventCode>(event); }

// Runs the fetch on a new thread that nobody waits for: the link found in the pasted text
// (or the text as given when it holds none) is fetched with the service's extractor, and
// the outcome goes to `reporter`. When the window has gone by then, the events are dropped
// and the thread ends on its own within the download's bounds. False when no thread could
// be started (nothing was fetched).
bool StartFetchCommand(FetchRequest request, ControlAddress reporter);

}  // namespace getlink
