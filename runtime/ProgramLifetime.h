// The program's life from process entry to exit.
#pragma once

#include <functional>

namespace getlink {

// Registers the routine that destroys the program's global objects. ProgramExit calls it
// once; registering again replaces it.
void RegisterDestroyer(std::function<void()> destroyer);

// Ends the program: runs the registered destroyer (at most once, even when called again
// from inside it), releases COM on the thread that initialised it, and exits with `code`.
[[noreturn]] void ProgramExit(int code);

// The process entry's work: initialises COM, makes an allocation failure report
// "内存不足" and exit, runs `startUp` and ends the program with
// ProgramExit(the code it returns).
[[noreturn]] void RunProcess(const std::function<int()>& startUp);

}  // namespace getlink
