// Reading and answering a system message box from a watcher thread of the program that
// shows it, for probe programs whose message boxes the tests check.
#pragma once

#include <string>

namespace getlink::testing {

// Waits (up to 20 s) for a visible message box titled `title` (GBK), prints
// "box:<its text as GBK>" and "icon:error" or "icon:other" on standard output, and
// presses OK, `delayMs` after it appeared. Prints "no box" and ends the process with code
// 99 when none appears.
void AnswerMessageBox(const std::string& title, int delayMs = 0);

}  // namespace getlink::testing
