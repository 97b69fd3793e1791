#include "app/CliOutput.h"

#include <cstdio>

#include "app/ResultBlock.h"
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

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// Calls visit(character) for each character of a GBK text: one byte, or two for a
// double-byte character (whose second byte may look like ASCII, "\" included).
template <class Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t width = CharacterWidthAt(text, at);
    visit(text.substr(at, width));
    at += width;
  }
}

Text HexEscape(const char* format, unsigned char byte) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, format, byte);
  return escaped;
}

// The address fit for one line of a list: blanks and control characters percent-encoded.
Text LineSafeAddress(std::string_view address) {
  Text safe;
  ForEachCharacter(address, [&safe](std::string_view character) {
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    safe += character.size() == 1 && (byte == ' ' || IsControl(byte)) ? HexEscape("%%%02X", byte) : Text(character);
  });
  return safe;
}

// The file name without path separators and control characters (each becomes "_");
// empty when nothing but dots would remain.
Text SafeFileName(std::string_view name) {
  Text safe;
  ForEachCharacter(name, [&safe](std::string_view character) {
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    safe += character.size() == 1 && (byte == '/' || byte == '\\' || IsControl(byte)) ? Text("_") : Text(character);
  });
  return safe.find_first_not_of('.') == Text::npos ? Text() : safe;
}

Text JsonField(std::string_view name, std::string_view value) {
  return ConcatTexts("\"", name, "\":\"", JsonStringContents(value), "\"");
}

Text JsonLine(const FetchedLink& fetched) {
  const ShareInfo& info = fetched.info;
  Text line = ConcatTexts(
      "{", JsonField("service", ServiceName(fetched.service)), ",", JsonField("link", fetched.link), ",",
      JsonField("code", fetched.extractionCode), ",", JsonField("name", info.name), ",", JsonField("size", info.size),
      ",", JsonField("sharer", info.sharer), ",", JsonField("shareTime", info.shareTime), ",",
      JsonField("downloadCount", info.downloadCount), ",", JsonField("address", info.address));
  if (fetched.failure) line += "," + JsonField("reason", DescribeFailure(*fetched.failure, Wording::English));
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
    case OutputFormat::Text: return ConcatTexts(ResultText(fetched.service, fetched.info), kLineBreak);
    case OutputFormat::Url:
      return fetched.info.address.empty() ? Text() : ConcatTexts(LineSafeAddress(fetched.info.address), kLineBreak);
    case OutputFormat::Json: return JsonLine(fetched);
    case OutputFormat::Aria2: return Aria2Entry(fetched);
  }
  return Text();
}

Text OutputSeparator(OutputFormat format) { return format == OutputFormat::Text ? Text(kLineBreak) : Text(); }

Text JsonStringContents(std::string_view text) {
  Text contents;
  ForEachCharacter(text, [&contents](std::string_view character) {
    const unsigned char byte = static_cast<unsigned char>(character[0]);
    if (character.size() == 2) {
      contents += character;
    } else if (byte == '"' || byte == '\\') {
      contents += ConcatTexts("\\", character);
    } else if (byte == '\r') {
      contents += "\\r";
    } else if (byte == '\n') {
      contents += "\\n";
    } else if (byte == '\t') {
      contents += "\\t";
    } else if (IsControl(byte)) {
      contents += HexEscape("\\u%04X", byte);
    } else {
      contents += character;
    }
  });
  return contents;
}

}  // namespace getlink
