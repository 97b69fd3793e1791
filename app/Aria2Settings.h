// Where aria2 listens, read from getlink.ini beside the program:
//
//   [aria2]
//   rpc=http://127.0.0.1:6800/jsonrpc
//   secret=SECRET
//
// The file is optional and never written. A value that cannot be used leaves its default in
// place and is told as a problem.
#pragma once

#include <vector>

#include "http/FetchFailure.h"
#include "runtime/Text.h"

namespace getlink {

constexpr char kAria2SettingsFileName[] = "getlink.ini";
constexpr char kDefaultAria2Rpc[] = "http://127.0.0.1:6800/jsonrpc";

enum class Aria2SettingsProblemKind {
  TooLarge,        // the file is larger than kLargestSettingsFile: none of it is read
  NotASetting,     // a line of [aria2] that is neither NAME=VALUE, a comment nor blank
  UnknownName,     // a NAME=VALUE line of [aria2] whose NAME is not rpc or secret
  RpcNotWebLink,   // rpc= names no http or https address
};

struct Aria2SettingsProblem {
  Aria2SettingsProblemKind kind = Aria2SettingsProblemKind::NotASetting;
  int line = 0;  // 1-based line of the file; 0 for the whole file
  Text text;     // the line as written (trimmed)
};

struct Aria2Settings {
  Text rpc = kDefaultAria2Rpc;  // the JSON-RPC address, http or https
  Text secret;                  // aria2's --rpc-secret; empty: none is sent
  std::vector<Aria2SettingsProblem> problems;  // what could not be used, in file order
};

constexpr std::size_t kLargestSettingsFile = 64u << 10;

// The settings a getlink.ini's bytes hold (UTF-8 with or without a byte-order mark, or GBK).
// Lines are trimmed; blank lines and lines starting with ";" or "#" are skipped; section and
// setting names are compared without regard to case; a later setting wins over an earlier
// one; an empty value keeps the default; lines outside [aria2] are left for others.
Aria2Settings Aria2SettingsFromIni(std::string_view bytes);

// Whether the text can be aria2's RPC address: an http or https address without blanks.
bool IsAria2RpcAddress(std::string_view rpc);

// One line for the problem, without a full stop, quoting at most 40 characters of its line:
// "getlink.ini 第 3 行“rpc=ws://h”无法使用（不是 http 或 https 地址），使用 DEFAULT" in
// the window's status strip, "getlink.ini line 3 "rpc=ws://h" cannot be used (not an http
// or https address); using DEFAULT" on getlink-cli's standard error.
Text DescribeAria2SettingsProblem(const Aria2SettingsProblem& problem, Wording wording);

}  // namespace getlink
