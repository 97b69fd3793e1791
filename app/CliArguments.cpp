#include "app/CliArguments.h"

#include "app/Aria2Settings.h"
#include "app/FindShareLink.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

// The options that take a value, and what the usage calls it.
struct ValueOption {
  std::string_view name;
  std::string_view value;
};

constexpr ValueOption kValueOptions[] = {{"--format", "FORMAT"},     {"--send", "aria2"},
                                         {"--aria2-rpc", "URL"},       {"--aria2-secret", "SECRET"},
                                         {"--services", "DIR"},        {"--try-rule", "FILE"},
                                         {"--page", "FILE"},           {"--code", "CODE"}};

// The option that takes a value whose name the argument is, alone or followed by "=VALUE".
const ValueOption* ValueOptionOf(std::string_view argument) {
  for (const ValueOption& option : kValueOptions) {
    const std::string_view name = option.name;
    if (argument.substr(0, name.size()) == name && (argument.size() == name.size() || argument[name.size()] == '='))
      return &option;
  }
  return nullptr;
}

// Takes the option's value into `read`; what is wrong with it, or empty.
Text TakeOptionValue(CliArguments& read, std::string_view option, const Text& value) {
  if (option == "--format") {
    const std::optional<OutputFormat> format = OutputFormatFromName(value);
    if (!format) return ConcatTexts("unknown format \"", value, "\"");
    read.format = *format;
  } else if (option == "--send") {
    if (CompareText(value, "aria2", Case::Insensitive) != 0)
      return ConcatTexts("--send knows aria2 alone, not \"", value, "\"");
    read.sendToAria2 = true;
  } else if (option == "--aria2-rpc") {
    if (!IsAria2RpcAddress(value)) return ConcatTexts("--aria2-rpc needs an http or https address, not \"", value, "\"");
    read.aria2Rpc = value;
  } else if (option == "--aria2-secret") {
    read.aria2Secret = value;
  } else if (option == "--code") {
    read.code = value;
  } else if (option == "--services") {
    read.servicesFolder = value;
  } else if (option == "--try-rule") {
    read.action = CliAction::TryRule;
    read.ruleFile = value;
  } else {
    read.pageFile = value;
  }
  return Text();
}

CliArguments Problem(Text problem) {
  CliArguments wrong;
  wrong.problem = std::move(problem);
  return wrong;
}

CliArguments Action(CliAction action) {
  CliArguments asked;
  asked.action = action;
  return asked;
}

}  // namespace

CliArguments ReadCliArguments(const std::vector<Text>& arguments) {
  CliArguments read;
  std::vector<Text> positional;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Text& argument = arguments[i];
    const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
    if (!isOption) {
      positional.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      return Action(CliAction::Help);
    } else if (argument == "--version") {
      return Action(CliAction::Version);
    } else if (argument == "--list-services") {
      read.action = CliAction::ListServices;
    } else if (const ValueOption* option = ValueOptionOf(argument)) {
      const bool joined = argument.size() > option->name.size();
      if (!joined && i + 1 == arguments.size()) return Problem(ConcatTexts(option->name, " needs ", option->value));
      const Text value = joined ? argument.substr(option->name.size() + 1) : arguments[++i];
      Text problem = TakeOptionValue(read, option->name, value);
      if (!problem.empty()) return Problem(std::move(problem));
    } else {
      return Problem(ConcatTexts("unknown option \"", argument, "\""));
    }
  }

  if ((read.aria2Rpc || read.aria2Secret) && !read.sendToAria2)
    return Problem("--aria2-rpc and --aria2-secret go with --send aria2");
  if (read.pageFile && read.action != CliAction::TryRule) return Problem("--page goes with --try-rule");
  read.positional = std::move(positional);
  return read;
}

Text ReadCliLinks(CliArguments& read, const ServiceCatalog& catalog) {
  std::vector<Text> positional = read.positional;
  if (read.action == CliAction::TryRule) {
    if (positional.size() != 1) return "--try-rule FILE takes one LINK";
    read.links = std::move(positional);
    return Text();
  }
  if (positional.empty()) return "expected SERVICE and LINK";
  read.service = catalog.FromArgument(positional.front());
  if (read.service != nullptr) {
    positional.erase(positional.begin());
    if (positional.empty()) return "expected a LINK after the SERVICE";
  } else if (positional.size() > 1 && positional.front() != "-" && FindShareLink(positional.front()).link.empty()) {
    return ConcatTexts("unknown service \"", positional.front(), "\" (the services: ", catalog.Arguments(), ")");
  }
  read.linksFromInput = positional.front() == "-";
  if (read.linksFromInput && positional.size() > 1) return "- reads the links from standard input: no LINK besides it";
  if (!read.linksFromInput) read.links = std::move(positional);
  return Text();
}

}  // namespace getlink
