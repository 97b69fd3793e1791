// getlink-cli SERVICE LINK: fetches one share link like the window's fetch button and
// prints what the result box would show (for 360云盘 the address line alone), then a line
// break.
// Exit status: 0 when an address was found, 1 when not, 2 for a usage error, 3 for a
// fatal error (reported on standard error).
#include <windows.h>

#include "app/ConsoleText.h"
#include "app/Extract360.h"
#include "app/ResultBlock.h"
#include "app/Service.h"
#include "app/ShareExtractor.h"
#include "runtime/Codec.h"
#include "runtime/FatalError.h"
#include "runtime/ProgramLifetime.h"

namespace getlink {
namespace {

enum class ExitStatus { AddressFound = 0, NoAddress = 1, UsageError = 2 };

constexpr char kUsage[] =
    "usage: getlink-cli SERVICE LINK\r\n"
    "  SERVICE  1 or baidu     百度网盘\r\n"
    "           2 or 360       360云盘 (prints the address only)\r\n"
    "           3 or weiyun    腾讯微云\r\n"
    "           4 or weipan    新浪微盘\r\n"
    "           5 or vdisk     Vdisk\r\n"
    "           6 or qiannao   千脑网盘\r\n"
    "  LINK     the share link\r\n"
    "Prints the file name, size, sharer, share time, download count and address.\r\n"
    "Exit status: 0 address found, 1 no address found, 2 usage error.\r\n";

ExitStatus UsageError(std::string_view problem) {
  WriteText(StandardStream::Error, ConcatTexts("getlink-cli: ", problem, "\r\n", kUsage));
  return ExitStatus::UsageError;
}

ExitStatus Run(int argc, wchar_t** argv) {
  if (argc != 3) return UsageError("expected SERVICE and LINK");
  const Text serviceArgument = FromWide(argv[1]);
  const std::optional<Service> service = ServiceFromArgument(serviceArgument);
  if (!service) return UsageError(ConcatTexts("unknown service \"", serviceArgument, "\""));
  const Text link = FromWide(argv[2]);
  Text address;
  Text shown;
  if (*service == Service::Cloud360) {
    address = Extract360(link);
    shown = AddressBlock(address);
  } else {
    ShareExtractor extractor;
    ShareInfo info;
    extractor.Extract(*service, link, info);
    address = info.address;
    shown = ResultBlock(info);
  }
  WriteText(StandardStream::Output, ConcatTexts(shown, "\r\n"));
  return address.empty() ? ExitStatus::NoAddress : ExitStatus::AddressFound;
}

}  // namespace
}  // namespace getlink

int wmain(int argc, wchar_t** argv) {
  getlink::ReportFatalErrorsThrough(
      [](std::string_view report) { getlink::WriteText(getlink::StandardStream::Error, report); });
  getlink::RunProcess([argc, argv] { return static_cast<int>(getlink::Run(argc, argv)); });
}
