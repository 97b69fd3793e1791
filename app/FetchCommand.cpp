#include "app/FetchCommand.h"

#include <any>
#include <chrono>

#include "app/FetchShare.h"
#include "app/FindShareLink.h"
#include "runtime/Threads.h"

namespace getlink {
namespace {

using Clock = std::chrono::steady_clock;

// The status strip needs no more than a few updates a second; a fast download reports
// after every part of the page.
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

// Posts the progress to the reporting control, skipping reports that follow the last one
// posted too closely.
class ProgressPoster {
 public:
  explicit ProgressPoster(ControlAddress reporter) : reporter_(reporter) {}

  void operator()(const FetchProgress& progress) {
    const Clock::time_point now = Clock::now();
    if (posted_ && now - lastPost_ < kProgressInterval) return;
    posted_ = true;
    lastPost_ = now;
    PostControlEvent(reporter_, {ToEventCode(FetchEvent::Progress), std::any(progress)});
  }

 private:
  ControlAddress reporter_;
  bool posted_ = false;
  Clock::time_point lastPost_;
};

void RunFetch(const FetchRequest& request, const ControlAddress& reporter) {
  const PastedLink pasted = FindShareLink(request.pastedText);
  FetchOutcome outcome;
  outcome.service = request.service;
  outcome.failure = FetchShare(request.service, pasted.link.empty() ? request.pastedText : pasted.link,
                               pasted.extractionCode, outcome.info, ProgressPoster(reporter));
  SendControlEvent(reporter, {ToEventCode(FetchEvent::Finished), std::any(std::move(outcome))});
}

}  // namespace

bool StartFetchCommand(FetchRequest request, ControlAddress reporter) {
  return StartThread([request = std::move(request), reporter] { RunFetch(request, reporter); });
}

}  // namespace getlink
