// Timing helpers shared by the benchmark programs in tools/.
#pragma once

#include <windows.h>

namespace getlink {

// The performance counter in milliseconds.
inline double Milliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The mean time of `rounds` runs of `work`, after one run to warm up.
template <class Work>
double AverageMs(int rounds, Work work) {
  work();
  const double start = Milliseconds();
  for (int i = 0; i < rounds; ++i) work();
  return (Milliseconds() - start) / rounds;
}

}  // namespace getlink
