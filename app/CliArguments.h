// What getlink-cli is asked to do, read from its command line.
#pragma once

#include <optional>
#include <vector>

#include "app/CliOutput.h"
#include "app/ServiceCatalog.h"

namespace getlink {

enum class CliAction { Fetch, Help, Version, ListServices, TryRule };

struct CliArguments {
  CliAction action = CliAction::Fetch;
  OutputFormat format = OutputFormat::Text;
  const ServiceEntry* service = nullptr;  // null: each link's service is found from its host
  std::vector<Text> positional;    // the arguments that are no options, in order
  std::vector<Text> links;         // the LINK arguments (links or share texts)
  bool linksFromInput = false;     // LINK was "-": they come from standard input
  bool sendToAria2 = false;         // --send aria2: every address found goes to aria2 too
  std::optional<Text> aria2Rpc;     // --aria2-rpc URL, instead of getlink.ini's rpc
  std::optional<Text> aria2Secret;  // --aria2-secret SECRET, instead of getlink.ini's secret
  std::optional<Text> code;        // --code CODE: the extraction code of a link that comes without one
  std::optional<Text> servicesFolder;  // --services DIR: the rule files there, not beside the program
  Text ruleFile;                   // --try-rule FILE: the rule to try
  std::optional<Text> pageFile;    // --page FILE: a saved page answers a tried rule's first request
  Text problem;                    // what makes the command line a usage error; empty if nothing
};

// Reads the options among the arguments after the program's name (--format FORMAT, --send
// aria2, --aria2-rpc URL, --aria2-secret SECRET, --code CODE, --services DIR, --try-rule
// FILE, --page FILE, each also as --NAME=VALUE; --help or -h, --version, --list-services; "--" ends them)
// wherever they stand, and keeps the other arguments in `positional` for ReadCliLinks.
// --help and --version win over the rest. --aria2-rpc must name an http(s) address, both
// aria2 options need --send aria2, and --page needs --try-rule.
CliArguments ReadCliArguments(const std::vector<Text>& arguments);

// Reads the positional arguments, [SERVICE] LINK... or [SERVICE] -, with the services of the
// catalog: the first is the SERVICE when it names one; otherwise, when further arguments
// follow, it must hold a link. --try-rule takes one LINK and no SERVICE. Returns what makes
// them a usage error, or empty.
Text ReadCliLinks(CliArguments& read, const ServiceCatalog& catalog);

}  // namespace getlink
