#include "runtime/ProcessMemory.h"

#include <windows.h>
#include <psapi.h>

namespace getlink {

ProcessMemory CurrentProcessMemory() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  ProcessMemory memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    memory.privateBytes = counters.PrivateUsage;
    memory.workingSet = counters.WorkingSetSize;
    memory.peakWorkingSet = counters.PeakWorkingSetSize;
  }
  return memory;
}

}  // namespace getlink
