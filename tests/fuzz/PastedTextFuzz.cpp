// Fuzz target: what getlink-cli takes in and gives out. The share link and extraction code
// in a pasted text, the service of its host, the lines of standard input, and the output
// formats of a fetched link whose name and address a share page filled (JSON lines stay
// JSON once converted to UTF-8). Input: the pasted text, the name and the address,
// separated by zero bytes; the rest is standard input.
#include <algorithm>

#include "app/CliBatch.h"
#include "app/CliOutput.h"
#include "app/FindShareLink.h"
#include "app/ServiceCatalog.h"
#include "runtime/Codec.h"
#include "runtime/JsonText.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

bool IsAsciiLetterOrDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// How many lines the output holds, or -1 when a CR or LF stands outside a CR LF pair.
int LinesOf(std::string_view output) {
  int lines = 0;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output[i] == '\r' && i + 1 < output.size() && output[i + 1] == '\n') {
      ++lines;
      ++i;
    } else if (output[i] == '\r' || output[i] == '\n') {
      return -1;
    }
  }
  return lines;
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view pasted = input.NextText();
  const PastedLink found = FindShareLink(pasted);
  Require(pasted.find(found.link) != std::string_view::npos, "the link is a piece of the text");
  Require(found.link.find_first_of(" \r\n") == Text::npos, "a link ends at a blank or a line break");
  Require(std::all_of(found.extractionCode.begin(), found.extractionCode.end(), IsAsciiLetterOrDigit),
          "an extraction code is letters and digits");
  static const ServiceCatalog catalog;
  catalog.ForLink(found.link);

  FetchedLink fetched;
  fetched.link = found.link;
  fetched.extractionCode = found.extractionCode;
  fetched.info.name = input.NextText();
  fetched.info.address = input.NextText();
  Require(LinesOf(FormatFetchedLink(OutputFormat::Url, fetched)) <= 1 &&
              LinesOf(FormatFetchedLink(OutputFormat::Json, fetched)) <= 1 &&
              LinesOf(FormatFetchedLink(OutputFormat::Aria2, fetched)) <= 2,
          "nothing a page holds breaks a line of the url, JSON or aria2 output");
  Require(LinesOf(FormatFetchedLink(OutputFormat::Url, fetched)) != -1 &&
              LinesOf(FormatFetchedLink(OutputFormat::Json, fetched)) != -1 &&
              LinesOf(FormatFetchedLink(OutputFormat::Aria2, fetched)) != -1,
          "no stray CR or LF in the url, JSON or aria2 output");

  const Text json = FormatFetchedLink(OutputFormat::Json, fetched);
  Require(ParseJson(GbkToUtf8(std::string_view(json).substr(0, json.size() - 2))).has_value(),
          "a JSON line is JSON once converted to UTF-8");

  // A line is trimmed of blanks and line breaks, then of full-width blanks, which may bare a
  // CR or tab that stood behind one: only the line break itself is sure to be gone.
  const std::vector<Text> lines = InputLines(input.Rest());
  for (const Text& line : lines)
    Require(!line.empty() && line.find('\n') == Text::npos, "an input line is one non-blank line");
  // Grouping lines into share texts neither loses nor invents one: a text per line with a
  // link, each holding exactly its lines.
  const std::vector<Text> texts = ShareTextsOfLines(lines);
  std::size_t withLink = 0, bytes = 0;
  for (const Text& line : lines) {
    withLink += FindShareLink(line).link.empty() ? 0 : 1;
    bytes += line.size();
  }
  std::size_t joined = 0;
  for (const Text& text : texts) joined += text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  Require(texts.size() == (withLink == 0 ? lines.size() : withLink) && joined == bytes,
          "every input line lands in exactly one share text");
}

}  // namespace getlink::fuzz
