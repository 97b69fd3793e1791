// Watching a running fetch: who starts one may hear of its progress and learns why it
// failed. The window's status strip shows both; getlink-cli prints the failure.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "http/FetchFailure.h"

namespace getlink {

struct FetchProgress {
  std::uint64_t bytesReceived = 0;        // body bytes of the running download so far
  std::chrono::milliseconds timeLeft{0};  // of the download's time bound
};

class FetchWatch {
 public:
  // Called on the fetching thread after each part of a page arrives, so it must not touch
  // windows: the window posts itself a message from here.
  using ProgressHook = std::function<void(const FetchProgress&)>;

  FetchWatch() = default;
  explicit FetchWatch(ProgressHook onProgress) : onProgress_(std::move(onProgress)) {}

  // Downloads report here. A later failure replaces an earlier one: the last step that
  // failed is the one that cost the address.
  void ReportProgress(const FetchProgress& progress) const {
    if (onProgress_) onProgress_(progress);
  }
  void ReportFailure(const FetchFailure& failure) { failure_ = failure; }

  // Why the watched fetch failed, when a download failed.
  const std::optional<FetchFailure>& Failure() const { return failure_; }

 private:
  ProgressHook onProgress_;
  std::optional<FetchFailure> failure_;
};

// Reports to the watch when there is one: downloads take a watch pointer that may be null.
inline void ReportFailure(FetchWatch* watch, const FetchFailure& failure) {
  if (watch != nullptr) watch->ReportFailure(failure);
}

}  // namespace getlink
