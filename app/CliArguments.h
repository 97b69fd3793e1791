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
  Text problem;                    // what makes the command line a usage error; empty if nothing
};

// Reads the arguments after the program's name: options (--format FORMAT or
// --format=FORMAT, --help or -h, --version; "--" ends them) anywhere, then [SERVICE] LINK...
// or [SERVICE] -. The first argument is the SERVICE when it names one; otherwise, when
// further arguments follow, it must hold a link. --help and --version win over the rest.
CliArguments ReadCliArguments(const std::vector<Text>& arguments);

}  // namespace getlink
