// What getlink-cli is asked to do, read from its command line.
#pragma once

#include <optional>
#include <vector>

#include "app/CliOutput.h"
#include "app/Service.h"

namespace getlink {

enum class CliAction { Fetch, Help, Version };

struct CliArguments {
  CliAction action = CliAction::Fetch;
  OutputFormat format = OutputFormat::Text;
  std::optional<Service> service;  // nothing: each link's service is found from its host
  std::vector<Text> links;         // the LINK arguments (links or share texts)
  bool linksFromInput = false;     // LINK was "-": they come from standard input
  bool sendToAria2 = false;         // --send aria2: every address found goes to aria2 too
  std::optional<Text> aria2Rpc;     // --aria2-rpc URL, instead of getlink.ini's rpc
  std::optional<Text> aria2Secret;  // --aria2-secret SECRET, instead of getlink.ini's secret
  Text problem;                    // what makes the command line a usage error; empty if nothing
};

// Reads the arguments after the program's name: options (--format FORMAT, --send aria2,
// --aria2-rpc URL, --aria2-secret SECRET, each also as --NAME=VALUE; --help or -h,
// --version; "--" ends them) anywhere, then [SERVICE] LINK...
// or [SERVICE] -. The first argument is the SERVICE when it names one; otherwise, when
// further arguments follow, it must hold a link. --help and --version win over the rest.
// --aria2-rpc must name an http(s) address, and both aria2 options need --send aria2.
CliArguments ReadCliArguments(const std::vector<Text>& arguments);

}  // namespace getlink
