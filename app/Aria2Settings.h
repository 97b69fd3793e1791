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
  UnknownEncoding,  // the file is in no encoding TextOfSavedFile reads: none of it is read
  OutsideSection,  // a NAME=VALUE line before any section line, which [aria2] must precede
  NotASetting,     // a line of [aria2] that is neither NAME=VALUE, a comment nor blank
  UnknownName,     // a NAME=VALUE line of [aria2] whose NAME is not rpc or secret
  RpcNotWebLink,   // rpc= names no http or https address
};

// What cannot be used, by its place alone: the file's lines may hold a secret, and a
// problem is shown, printed and read aloud.
struct Aria2SettingsProblem {
  Aria2SettingsProblemKind kind = Aria2SettingsProblemKind::NotASetting;
  int line = 0;  // 1-based line of the file; 0 for the whole file

  bool operator==(const Aria2SettingsProblem& other) const { return kind == other.kind && line == other.line; }
};

struct Aria2Settings {
  Text rpc = kDefaultAria2Rpc;  // the JSON-RPC address, http or https
  Text secret;                  // aria2's --rpc-secret; empty: none is sent
  std::vector<Aria2SettingsProblem> problems;  // what could not be used, in file order
};

constexpr std::size_t kLargestSettingsFile = 64u << 10;

// The settings a getlink.ini's bytes hold (any encoding TextOfSavedFile reads: UTF-16 with
// its byte-order mark, UTF-8 with or without one, GBK). Lines are trimmed; blank lines and
// lines starting with ";" or "#" are skipped; section and setting names are compared
// without regard to case; a later setting wins over an earlier one; an empty value keeps
// the default; sections other than [aria2] are left for others.
Aria2Settings Aria2SettingsFromIni(std::string_view bytes);

// Whether the text can be aria2's RPC address: an http or https address without blanks.
bool IsAria2RpcAddress(std::string_view rpc);

// One line for the problem, without a full stop, naming the line and the setting but never
// quoting the file: "getlink.ini 第 3 行 rpc 不是 http(s) 地址，使用默认地址" in the
// window's status strip, "getlink.ini line 3: rpc is not an http or https address; using the
// default" on getlink-cli's standard error.
Text DescribeAria2SettingsProblem(const Aria2SettingsProblem& problem, Wording wording);

}  // namespace getlink
