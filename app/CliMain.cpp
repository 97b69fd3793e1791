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
#include "resources/ProgramVersion.h"
#include "runtime/Codec.h"
#include "runtime/FatalError.h"
#include "runtime/ProgramLifetime.h"

namespace getlink {
namespace {

enum class ExitStatus { AddressFound = 0, NoAddress = 1, UsageError = 2 };

constexpr char kVersion[] = "getlink-cli " GETLINK_VERSION_TEXT "\r\n";

constexpr char kUsage[] =
    "usage: getlink-cli SERVICE LINK\r\n"
    "       getlink-cli [--format FORMAT] [--send aria2] [SERVICE] LINK...\r\n"
    "       getlink-cli [--format FORMAT] [--send aria2] [SERVICE] -\r\n"
    "       getlink-cli --help | --version\r\n"
    "  SERVICE  1 or baidu     百度网盘\r\n"
    "           2 or 360       360云盘 (prints the address only)\r\n"
    "           3 or weiyun    腾讯微云\r\n"
    "           4 or weipan    新浪微盘\r\n"
    "           5 or vdisk     Vdisk\r\n"
    "           6 or qiannao   千脑网盘\r\n"
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
bool Fetch(const BatchEntry& entry, OutputFormat format, const std::optional<Aria2Settings>& aria2) {
  FetchedLink fetched;
  fetched.service = entry.service;
  fetched.link = entry.Link();
  fetched.extractionCode = entry.pasted.extractionCode;
  fetched.failure = FetchShare(entry.service, entry.Link(), fetched.info);
  if (!fetched.failure && aria2) fetched.sent = SendToAria2(*aria2, fetched.info.address, fetched.info.name);
  WriteText(StandardStream::Output, FormatFetchedLink(format, fetched));
  const std::optional<Text> reason = FailureReason(fetched);
  if (reason) Tell(entry, *reason);
  return !reason;
}

ExitStatus Run(int argc, wchar_t** argv) {
  std::vector<Text> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(FromWide(argv[i]));
  const CliArguments asked = ReadCliArguments(arguments);
  if (!asked.problem.empty()) return UsageError(asked.problem);
  if (asked.action == CliAction::Help) {
    WriteText(StandardStream::Output, kUsage);
    return ExitStatus::AddressFound;
  }
  if (asked.action == CliAction::Version) {
    WriteText(StandardStream::Output, kVersion);
    return ExitStatus::AddressFound;
  }

  const std::vector<Text> given =
      asked.linksFromInput ? ShareTextsOfLines(InputLines(ReadStandardInput())) : asked.links;
  if (given.empty()) return UsageError("no link on standard input");
  const Batch batch = PlanBatch(asked.service, given);
  for (const BatchEntry& entry : batch.entries) {
    if (entry.serviceFromHost) {
      Tell(entry, ConcatTexts(ServiceTitle(entry.service), " (", ServiceName(entry.service),
                              "), known from the link's host"));
    }
  }
  if (!batch.problem.empty()) return UsageError(batch.problem);

  std::optional<Aria2Settings> aria2;
  if (asked.sendToAria2) aria2 = Aria2SettingsAsked(asked);
  bool everyAddressFound = true;
  for (std::size_t i = 0; i < batch.entries.size(); ++i) {
    if (i > 0) WriteText(StandardStream::Output, OutputSeparator(asked.format));
    everyAddressFound = Fetch(batch.entries[i], asked.format, aria2) && everyAddressFound;
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
