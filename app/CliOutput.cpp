#include "app/CliOutput.h"

#include "app/DownloadEntry.h"
#include "app/ResultBlock.h"
#include "runtime/JsonText.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

struct FormatName {
  OutputFormat format;
  const char* name;
};

constexpr FormatName kFormats[] = {
    {OutputFormat::Text, "text"},
    {OutputFormat::Url, "url"},
    {OutputFormat::Json, "json"},
    {OutputFormat::Aria2, "aria2"},
};

Text JsonField(std::string_view name, std::string_view value) {
  return ConcatTexts("\"", name, "\":\"", JsonStringContents(value), "\"");
}

Text JsonLine(const FetchedLink& fetched) {
  const ShareInfo& info = fetched.info;
  Text line = ConcatTexts(
      "{", JsonField("service", fetched.service), ",", JsonField("link", fetched.link), ",",
      JsonField("code", fetched.extractionCode), ",", JsonField("name", info.name), ",", JsonField("size", info.size),
      ",", JsonField("sharer", info.sharer), ",", JsonField("shareTime", info.shareTime), ",",
      JsonField("downloadCount", info.downloadCount), ",", JsonField("address", info.address));
  if (const std::optional<Text> reason = FailureReason(fetched)) line += "," + JsonField("reason", *reason);
  return ConcatTexts(line, "}", kLineBreak);
}

Text Aria2Entry(const FetchedLink& fetched) {
  if (fetched.info.address.empty()) return Text();
  Text entry = ConcatTexts(LineSafeAddress(fetched.info.address), kLineBreak);
  const Text name = SafeFileName(fetched.info.name);
  if (!name.empty()) entry += ConcatTexts("  out=", name, kLineBreak);
  return entry;
}

}  // namespace

std::optional<OutputFormat> OutputFormatFromName(std::string_view name) {
  for (const FormatName& entry : kFormats) {
    if (CompareText(name, entry.name, Case::Insensitive) == 0) return entry.format;
  }
  return std::nullopt;
}

Text FormatFetchedLink(OutputFormat format, const FetchedLink& fetched) {
  switch (format) {
    case OutputFormat::Text: return ConcatTexts(ResultText(fetched.info, fetched.addressOnly), kLineBreak);
    case OutputFormat::Url:
      return fetched.info.address.empty() ? Text() : ConcatTexts(LineSafeAddress(fetched.info.address), kLineBreak);
    case OutputFormat::Json: return JsonLine(fetched);
    case OutputFormat::Aria2: return Aria2Entry(fetched);
  }
  return Text();
}

Text OutputSeparator(OutputFormat format) { return format == OutputFormat::Text ? Text(kLineBreak) : Text(); }

std::optional<Text> FailureReason(const FetchedLink& fetched) {
  if (fetched.failure) return DescribeFailure(*fetched.failure, Wording::English);
  if (fetched.sent && fetched.sent->result != Aria2Result::Sent)
    return DescribeAria2Outcome(*fetched.sent, Wording::English);
  return std::nullopt;
}

}  // namespace getlink
