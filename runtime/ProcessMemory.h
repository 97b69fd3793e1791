// How much memory the process holds.
#pragma once

#include <cstddef>

namespace getlink {

struct ProcessMemory {
  std::size_t privateBytes = 0;    // committed memory of the process's own
  std::size_t workingSet = 0;      // resident now
  std::size_t peakWorkingSet = 0;  // resident at most, since the process started
};

// The process's counters (GetProcessMemoryInfo); all 0 when they cannot be read.
ProcessMemory CurrentProcessMemory();

}  // namespace getlink
