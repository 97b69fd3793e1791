// What getlink-cli prints for each link it fetched, in the format asked for.
#pragma once

#include <optional>

#include "app/Aria2Rpc.h"
#include "app/ShareInfo.h"
#include "http/FetchFailure.h"

namespace getlink {

enum class OutputFormat {
  Text,   // the result block, as the window's result box shows it
  Url,    // the address alone
  Json,   // one JSON object a line
  Aria2,  // an input file for a download manager (aria2c -i)
};

// "text", "url", "json" or "aria2" (letters in any case); nothing for anything else.
std::optional<OutputFormat> OutputFormatFromName(std::string_view name);

// One link as fetched.
struct FetchedLink {
  Text service;              // the service's short name
  bool addressOnly = false;  // the service finds the address alone (ServiceEntry::AddressOnly)
  Text link;            // the link fetched (or the text given, when it held none)
  Text extractionCode;  // the code the share text gave with it, if any
  ShareInfo info;
  std::optional<FetchFailure> failure;  // why no address came back
  std::optional<Aria2Outcome> sent;     // what became of sending the address to aria2, if it was sent
};

// Standard output's text for one link, line breaks (CR LF) included:
// - Text: the result text (ResultText) and a line break;
// - Url: the address and a line break; nothing for a link without one;
// - Json: {"service","link","code","name","size","sharer","shareTime","downloadCount",
//   "address"} and, on failure, "reason" (FailureReason), on one line;
// - Aria2: the address, then "  out=NAME" when the file name is known; nothing for a link
//   without an address. The address and name are cleaned (LineSafeAddress, SafeFileName), so
//   that what a share page holds can neither break a line of the file nor place the
//   download elsewhere.
Text FormatFetchedLink(OutputFormat format, const FetchedLink& fetched);

// What stands between the outputs of two links: a blank line in the text format.
Text OutputSeparator(OutputFormat format);

// Why the link counts as failed, in English: why no address came back, or else why it could
// not be sent to aria2; nothing when it did not fail.
std::optional<Text> FailureReason(const FetchedLink& fetched);

}  // namespace getlink
