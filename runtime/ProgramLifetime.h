// The program's life from process entry to exit.
#pragma once

#include <functional>
#include <string_view>

namespace getlink {

// Registers the routine that destroys the program's global objects (its windows among
// them). It belongs to the registering thread: ProgramExit calls it once, and only there;
// registering again replaces it.
void RegisterDestroyer(std::function<void()> destroyer);

// Ends the program: runs the registered destroyer when called on its thread (at most once,
// even when called again from inside it), releases COM on the thread that initialised it,
// and exits with `code`. Another thread ends the process without touching the program's
// objects, which its thread may still be using. While a fatal report is on its way (see
// EndWithFatalReport), any other thread's exit waits for it, so the report's status wins.
[[noreturn]] void ProgramExit(int code);

// The end of every fatal error, on any thread: the first one shows `report` through
// ShowErrorBox and ends the process with kFatalExitStatus; a fatal error on another thread
// meanwhile waits for it, and one inside the report ends the process at once.
[[noreturn]] void EndWithFatalReport(std::string_view report, std::string_view title = "error");

// Whether the entry thread joins a COM apartment for the program's whole life. A program
// that uses COM only now and then (getlink-cli: the WinHttp object for 360云盘) initialises
// it around each use instead: under Wine the apartment's hidden window starts the desktop
// process, which costs more than the rest of such a program's start.
enum class ProcessCom { Apartment, None };

// The process entry's work: initialises COM (unless told not to), makes an allocation
// failure report "内存不足" and exit, runs `startUp` and ends the program with
// ProgramExit(the code it returns).
[[noreturn]] void RunProcess(const std::function<int()>& startUp, ProcessCom com = ProcessCom::Apartment);

}  // namespace getlink
