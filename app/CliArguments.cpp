#include "app/CliArguments.h"

#include "app/FindShareLink.h"

namespace getlink {
namespace {

constexpr std::string_view kFormatOption = "--format";

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
    } else if (argument == kFormatOption || argument.rfind(ConcatTexts(kFormatOption, "="), 0) == 0) {
      const bool joined = argument != kFormatOption;
      if (!joined && i + 1 == arguments.size()) return Problem("--format needs a FORMAT");
      const Text name = joined ? argument.substr(kFormatOption.size() + 1) : arguments[++i];
      const std::optional<OutputFormat> format = OutputFormatFromName(name);
      if (!format) return Problem(ConcatTexts("unknown format \"", name, "\""));
      read.format = *format;
    } else {
      return Problem(ConcatTexts("unknown option \"", argument, "\""));
    }
  }

  if (positional.empty()) return Problem("expected SERVICE and LINK");
  read.service = ServiceFromArgument(positional.front());
  if (read.service) {
    positional.erase(positional.begin());
    if (positional.empty()) return Problem("expected a LINK after the SERVICE");
  } else if (positional.size() > 1 && positional.front() != "-" && FindShareLink(positional.front()).link.empty()) {
    return Problem(ConcatTexts("unknown service \"", positional.front(), "\""));
  }
  read.linksFromInput = positional.front() == "-";
  if (read.linksFromInput && positional.size() > 1)
    return Problem("- reads the links from standard input: no LINK besides it");
  if (!read.linksFromInput) read.links = std::move(positional);
  return read;
}

}  // namespace getlink
