// The wall clock, for services that want the time in a request.
#pragma once

#include <chrono>
#include <cstdint>

namespace getlink {

inline std::int64_t MillisecondsSince1970() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace getlink
