// Fatal errors: a message box, then the program ends.
#pragma once

#include "runtime/Text.h"

namespace getlink {

// The runtime's own error numbers.
enum class FatalErrorNumber {
  IndexAboveCount = 1,
  IndexBelowOne = 4,
  TypeMismatch = 5,
  UnknownValueType = 100,
};

// "program internal error number is N. \r\n" followed by the message of N (none for
// numbers outside 1..11).
Text FatalErrorText(int number);

// The exit status of a program ended by a fatal error, an allocation failure or a
// missing system entry point: never 0, and distinct from getlink-cli's 1 and 2.
inline constexpr int kFatalExitStatus = 3;

// Shows FatalErrorText(number) in a message box titled "error" with the error icon, then
// ends the program through ProgramExit(kFatalExitStatus).
[[noreturn]] void FatalError(int number);
[[noreturn]] inline void FatalError(FatalErrorNumber number) { FatalError(static_cast<int>(number)); }

// Reports "内存不足" (out of memory) the same way and ends the program. Installed as the
// allocator's new-handler by RunProcess.
[[noreturn]] void ReportOutOfMemory();

// Shows a fatal report: the message box of the reports above, or, once a console program
// has installed a writer, the line "TITLE: TEXT" and a line break through that writer (a
// modal box would block a run without a desktop). On Linux (tests) it goes to standard
// error.
void ShowErrorBox(std::string_view text, std::string_view title);

// Sends every later fatal report through `write` (GBK text) instead of a message box.
using FatalReportWriter = void (*)(std::string_view report);
void ReportFatalErrorsThrough(FatalReportWriter write);

}  // namespace getlink
