// How long and how much a download reads at most.
#pragma once

#include <chrono>
#include <cstddef>

namespace getlink {

struct FetchLimits {
  std::chrono::milliseconds total{30000};  // connecting and the whole download
  std::size_t maxBytes = 4u << 20;         // body bytes read
};

}  // namespace getlink
