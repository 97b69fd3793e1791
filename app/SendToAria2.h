// Handing a download address to aria2 (or a front-end that speaks its JSON-RPC, such as
// Motrix), and reading where it listens from getlink.ini beside the program.
#pragma once

#include "app/Aria2Rpc.h"
#include "app/Aria2Settings.h"
#include "http/FetchLimits.h"

namespace getlink {

// aria2 answers at once; a few seconds cover a busy machine. Its answer is a few dozen bytes.
constexpr FetchLimits kAria2Limits{std::chrono::milliseconds(5000), 64u << 10};

// The path of getlink.ini beside the running program.
Text Aria2SettingsPath();

// The settings in the file at `path` (Aria2SettingsFromIni); a missing or unreadable file
// gives the defaults without a problem, as the file is optional.
Aria2Settings ReadAria2Settings(std::string_view path);

// Calls aria2.addUri at settings.rpc with the address and the file name as its "out"
// (Aria2AddUriBody): a POST over WinINet, directly, bounded by the limits in time and in the
// size of the answer read. It blocks until the answer or the bound, so the window calls it
// on a worker thread.
Aria2Outcome SendToAria2(const Aria2Settings& settings, std::string_view address, std::string_view fileName,
                         const FetchLimits& limits = kAria2Limits);

}  // namespace getlink
