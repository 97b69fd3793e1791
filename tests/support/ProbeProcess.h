// Running a helper program of the tests in a process of its own and collecting what it
// printed and how it ended.
#pragma once

#include <windows.h>

#include <string>

namespace getlink::testing {

struct ProbeRun {
  bool started = false;
  bool exited = false;  // false: it ran past the time limit and was ended (exit code 99)
  DWORD exitCode = 0;
  std::string output;  // standard output and error, as bytes
};

// The path of `fileName` in the directory of the running test executable.
std::string BesideTestExecutable(const std::string& fileName);

// Runs the program at `path` with `arguments`, waits for it (at most 30 s) and returns
// its output and exit code.
ProbeRun RunProbe(const std::string& path, const std::string& arguments);

}  // namespace getlink::testing
