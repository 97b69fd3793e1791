// getlink-cli: fetches share links like the window's fetch button and prints what the
// result box would show (or the address alone, JSON lines, an aria2 input file), one link
// after the other, and may hand each address to aria2; see kUsage.
// Exit status: 0 when every link gave an address (and it went to aria2 when asked), 1 when
// one did not, 2 for a usage error, 3 for a fatal error (reported on standard error).
#include <windows.h>

#include "app/CliArguments.h"
#include "app/CliBatch.h"
#include "app/ConsoleText.h"
#include "app/FetchShare.h"
#include "app/SendToAria2.h"
#include "app/ServiceRuleFiles.h"
#include "app/rules/RuleTrial.h"
#include "app/ResultBlock.h"
#include "app/rules/WinInetRuleTransport.h"
#include "resources/ProgramVersion.h"
#include "runtime/Clock.h"
#include "runtime/Codec.h"
#include "runtime/FatalError.h"
#include "runtime/Files.h"
#include "runtime/ProgramLifetime.h"

namespace getlink {
namespace {

enum class ExitStatus { AddressFound = 0, NoAddress = 1, UsageError = 2 };

constexpr char kVersion[] = "getlink-cli " GETLINK_VERSION_TEXT "\r\n";

constexpr char kUsage[] =
    "usage: getlink-cli SERVICE LINK\r\n"
    "       getlink-cli [--format FORMAT] [--send aria2] [SERVICE] LINK...\r\n"
    "       getlink-cli [--format FORMAT] [--send aria2] [SERVICE] -\r\n"
    "       getlink-cli --list-services\r\n"
    "       getlink-cli --try-rule FILE [--page FILE] LINK\r\n"
    "       getlink-cli --help | --version\r\n"
    "  SERVICE  1 or baidu     百度网盘\r\n"
    "           2 or 360       360云盘 (prints the address only)\r\n"
    "           3 or weiyun    腾讯微云\r\n"
    "           4 or weipan    新浪微盘\r\n"
    "           5 or vdisk     Vdisk\r\n"
    "           6 or qiannao   千脑网盘\r\n"
    "           then the services of the rule files in the folder services beside\r\n"
    "           the program (--list-services lists them all).\r\n"
    "           Without SERVICE each link's service is found from its host.\r\n"
    "  LINK     a share link, or a whole share text that holds one (quote it);\r\n"
    "           - reads them from standard input, one a line (the other lines of a\r\n"
    "           share text go with the link above them).\r\n"
    "  FORMAT   text   the file name, size, sharer, share time, download count and\r\n"
    "                  address, a blank line between links (the default)\r\n"
    "           url    the address alone, one a line\r\n"
    "           json   one JSON object a line, with the reason of a failure\r\n"
    "           aria2  an input file for a download manager: aria2c -i -\r\n"
    "  --send aria2           also hand every address found to aria2 (or Motrix) over its\r\n"
    "                         JSON-RPC, with the file name; where it listens is read from\r\n"
    "                         getlink.ini beside the program ([aria2] rpc=URL, secret=SECRET;\r\n"
    "                         by default http://127.0.0.1:6800/jsonrpc, no secret)\r\n"
    "  --aria2-rpc URL        aria2's JSON-RPC address, instead of getlink.ini's\r\n"
    "  --aria2-secret SECRET  aria2's --rpc-secret, instead of getlink.ini's\r\n"
    "  --code CODE            the extraction code (提取码) of a private share whose link\r\n"
    "                         comes without one\r\n"
    "  --services DIR         read the rule files in DIR instead of the folder services\r\n"
    "  --try-rule FILE        run the rule file on LINK and print what each step gave\r\n"
    "  --page FILE            with --try-rule: a saved page answers the first request\r\n"
    "Links are fetched one at a time; why a link gave no address, or why it could not be\r\n"
    "sent, goes to standard error.\r\n"
    "Exit status: 0 every link gave an address (and it was sent), 1 some did not,\r\n"
    "2 usage error.\r\n";

// The problem and where the usage is, not the whole usage: the problem stays in sight.
ExitStatus UsageError(std::string_view problem) {
  WriteText(StandardStream::Error,
            ConcatTexts("getlink-cli: ", problem, "\r\n", "getlink-cli --help shows the usage\r\n"));
  return ExitStatus::UsageError;
}

void Tell(const BatchEntry& entry, std::string_view message) {
  WriteText(StandardStream::Error, ConcatTexts("getlink-cli: ", entry.Link(), ": ", message, "\r\n"));
}

void TellFault(const FileFault& fault) {
  WriteText(StandardStream::Error, ConcatTexts("getlink-cli: ", DescribeFileFault(fault, Wording::English), "\r\n"));
}

// The built-in services and the rule files' (in --services DIR, else beside the program);
// every file that cannot be used is told.
ServiceCatalog Services(const CliArguments& asked) {
  std::vector<FileFault> faults;
  ServiceCatalog catalog = asked.servicesFolder ? LoadServiceCatalog(*asked.servicesFolder, *asked.servicesFolder, faults)
                                                : LoadServiceCatalog(ServicesFolder(), "services", faults);
  for (const FileFault& fault : faults) TellFault(fault);
  return catalog;
}

ExitStatus ListServices(const ServiceCatalog& catalog) {
  Text list;
  for (std::size_t i = 0; i < catalog.Entries().size(); ++i) {
    const ServiceEntry& entry = catalog.Entries()[i];
    list += ConcatTexts(std::to_string(i + 1), "  ", entry.name, "  ", entry.title, "  (", entry.Origin(), ")\r\n");
  }
  WriteText(StandardStream::Output, list);
  return ExitStatus::AddressFound;
}

// Runs one rule file on the link, printing each step's value, then the result as the text
// format shows it; the reason on standard error when no address came back.
ExitStatus TryRule(const CliArguments& asked) {
  ServiceRuleRead read = ReadServiceRuleFile(asked.ruleFile, asked.ruleFile);
  if (!read.rule) {
    TellFault(read.fault);
    return ExitStatus::NoAddress;
  }
  const ServiceRule& rule = *read.rule;
  const PastedLink pasted = FindShareLink(asked.links.front());
  WinInetRuleTransport network;
  SavedPageTransport saved(asked.pageFile ? ReadFileBytes(*asked.pageFile) : ByteSet(), network);
  RuleTransport& transport = asked.pageFile ? static_cast<RuleTransport&>(saved) : network;
  const RuleOutcome outcome = RunServiceRule(
      rule,
      {pasted.link.empty() ? asked.links.front() : pasted.link,
       pasted.extractionCode.empty() ? asked.code.value_or(Text()) : pasted.extractionCode, MillisecondsSince1970()},
      transport,
      [&rule](const RuleStepReport& report) {
        WriteText(StandardStream::Output, ConcatTexts(RuleStepLine(rule, report), "\r\n"));
      });
  WriteText(StandardStream::Output, ConcatTexts("\r\n", ResultText(outcome.info, rule.AddressOnly()), "\r\n"));
  if (!outcome.failure) return ExitStatus::AddressFound;
  WriteText(StandardStream::Error,
            ConcatTexts("getlink-cli: ", DescribeFailure(*outcome.failure, Wording::English), "\r\n"));
  return ExitStatus::NoAddress;
}

// Where aria2 listens: getlink.ini beside the program, whose problems are told, unless the
// command line names both the address and the secret.
Aria2Settings Aria2SettingsAsked(const CliArguments& asked) {
  Aria2Settings settings;
  if (!asked.aria2Rpc || !asked.aria2Secret) settings = ReadAria2Settings(Aria2SettingsPath());
  for (const Aria2SettingsProblem& problem : settings.problems) {
    WriteText(StandardStream::Error,
              ConcatTexts("getlink-cli: ", DescribeAria2SettingsProblem(problem, Wording::English), "\r\n"));
  }
  if (asked.aria2Rpc) settings.rpc = *asked.aria2Rpc;
  if (asked.aria2Secret) settings.secret = *asked.aria2Secret;
  return settings;
}

// Fetches one entry, sends its address to aria2 when asked, and prints its result; true
// when it gave an address (that went to aria2 when asked).
bool Fetch(const BatchEntry& entry, const CliArguments& asked, const std::optional<Aria2Settings>& aria2) {
  const OutputFormat format = asked.format;
  FetchedLink fetched;
  fetched.service = entry.service.name;
  fetched.addressOnly = entry.service.AddressOnly();
  fetched.link = entry.Link();
  fetched.extractionCode = entry.pasted.extractionCode.empty() ? asked.code.value_or(Text()) : entry.pasted.extractionCode;
  fetched.failure = FetchShare(entry.service, entry.Link(), fetched.extractionCode, fetched.info);
  if (!fetched.failure && aria2) fetched.sent = SendToAria2(*aria2, fetched.info.address, fetched.info.name);
  WriteText(StandardStream::Output, FormatFetchedLink(format, fetched));
  const std::optional<Text> reason = FailureReason(fetched);
  if (reason) Tell(entry, *reason);
  return !reason;
}

ExitStatus Run(int argc, wchar_t** argv) {
  std::vector<Text> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(FromWide(argv[i]));
  CliArguments asked = ReadCliArguments(arguments);
  if (!asked.problem.empty()) return UsageError(asked.problem);
  if (asked.action == CliAction::Help) {
    WriteText(StandardStream::Output, kUsage);
    return ExitStatus::AddressFound;
  }
  if (asked.action == CliAction::Version) {
    WriteText(StandardStream::Output, kVersion);
    return ExitStatus::AddressFound;
  }
  const ServiceCatalog catalog = Services(asked);
  if (asked.action == CliAction::ListServices) return ListServices(catalog);
  const Text problem = ReadCliLinks(asked, catalog);
  if (!problem.empty()) return UsageError(problem);
  if (asked.action == CliAction::TryRule) return TryRule(asked);

  const std::vector<Text> given =
      asked.linksFromInput ? ShareTextsOfLines(InputLines(ReadStandardInput())) : asked.links;
  if (given.empty()) return UsageError("no link on standard input");
  const Batch batch = PlanBatch(catalog, asked.service, given);
  for (const BatchEntry& entry : batch.entries) {
    if (entry.serviceFromHost)
      Tell(entry, ConcatTexts(entry.service.title, " (", entry.service.name, "), known from the link's host"));
  }
  if (!batch.problem.empty()) return UsageError(batch.problem);

  std::optional<Aria2Settings> aria2;
  if (asked.sendToAria2) aria2 = Aria2SettingsAsked(asked);
  bool everyAddressFound = true;
  for (std::size_t i = 0; i < batch.entries.size(); ++i) {
    if (i > 0) WriteText(StandardStream::Output, OutputSeparator(asked.format));
    everyAddressFound = Fetch(batch.entries[i], asked, aria2) && everyAddressFound;
  }
  return everyAddressFound ? ExitStatus::AddressFound : ExitStatus::NoAddress;
}

}  // namespace
}  // namespace getlink

int wmain(int argc, wchar_t** argv) {
  getlink::ReportFatalErrorsThrough(
      [](std::string_view report) { getlink::WriteText(getlink::StandardStream::Error, report); });
  getlink::RunProcess([argc, argv] { return static_cast<int>(getlink::Run(argc, argv)); }, getlink::ProcessCom::None);
}
