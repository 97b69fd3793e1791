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

// Shows FatalErrorText(number) in a message box titled "error" with the error icon, then
// ends the program through ProgramExit(0).
[[noreturn]] void FatalError(int number);
[[noreturn]] inline void FatalError(FatalErrorNumber number) { FatalError(static_cast<int>(number)); }

// Reports "内存不足" (out of memory) the same way and ends the program. Installed as the
// allocator's new-handler by RunProcess.
[[noreturn]] void ReportOutOfMemory();

// The message box of the two reports above; on Linux (tests) it writes to standard error.
void ShowErrorBox(std::string_view text, std::string_view title);

}  // namespace getlink
