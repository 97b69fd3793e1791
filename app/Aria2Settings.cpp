#include "app/Aria2Settings.h"

#include <string>

#include "app/ShareLink.h"
#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::size_t kShownCharacters = 40;  // of a line quoted in a problem

bool NameIs(std::string_view name, std::string_view expected) {
  return CompareText(name, expected, Case::Insensitive) == 0;
}

// What is said of a problem after the place it names, in each wording.
struct Words {
  const char* chinese;
  const char* english;
};

Words WordsOf(Aria2SettingsProblemKind kind) {
  switch (kind) {
    case Aria2SettingsProblemKind::TooLarge:
      return {" 大于 64 KiB，没有读取，使用默认设置", " is larger than 64 KiB and was not read: the defaults are used"};
    case Aria2SettingsProblemKind::NotASetting:
      return {"不是“名称=值”的设置，已忽略", " is not a setting (NAME=VALUE): ignored"};
    case Aria2SettingsProblemKind::UnknownName:
      return {"：没有这个设置（只有 rpc 和 secret），已忽略", ": no such setting (only rpc and secret): ignored"};
    case Aria2SettingsProblemKind::RpcNotWebLink:  // the default follows
      return {"无法使用（不是 http 或 https 地址），使用 ", " cannot be used (not an http or https address); using "};
  }
  return {"", ""};
}

}  // namespace

Aria2Settings Aria2SettingsFromIni(std::string_view bytes) {
  Aria2Settings settings;
  if (bytes.size() > kLargestSettingsFile) {
    settings.problems.push_back({Aria2SettingsProblemKind::TooLarge, 0, Text()});
    return settings;
  }
  bool inAria2 = false;
  int number = 0;
  for (const Text& written : SplitText(TextOfUtf8OrGbk(bytes), "\n")) {
    ++number;
    const Text line = TrimBlanks(TrimLink(written));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      const std::size_t end = line.find(']');
      inAria2 = NameIs(TrimBlanks(line.substr(1, end == Text::npos ? Text::npos : end - 1)), "aria2");
      continue;
    }
    if (!inAria2) continue;
    const std::size_t equals = line.find('=');
    if (equals == Text::npos) {
      settings.problems.push_back({Aria2SettingsProblemKind::NotASetting, number, line});
      continue;
    }
    const Text name = TrimBlanks(line.substr(0, equals));
    const Text value = TrimBlanks(line.substr(equals + 1));
    if (NameIs(name, "rpc")) {
      if (value.empty() || IsAria2RpcAddress(value)) {
        settings.rpc = value.empty() ? Text(kDefaultAria2Rpc) : value;
      } else {
        settings.problems.push_back({Aria2SettingsProblemKind::RpcNotWebLink, number, line});
      }
    } else if (NameIs(name, "secret")) {
      settings.secret = value;
    } else {
      settings.problems.push_back({Aria2SettingsProblemKind::UnknownName, number, line});
    }
  }
  return settings;
}

// A blank inside is no address: most likely a comment after it on the line.
bool IsAria2RpcAddress(std::string_view rpc) {
  return IsWebLink(rpc) && !LinkHost(rpc).empty() && rpc.find(' ') == std::string_view::npos;
}

Text DescribeAria2SettingsProblem(const Aria2SettingsProblem& problem, Wording wording) {
  const bool chinese = wording == Wording::Chinese;
  Text said = kAria2SettingsFileName;
  if (problem.kind != Aria2SettingsProblemKind::TooLarge) {
    const Text line = std::to_string(problem.line);
    const Text quote = OneLineQuote(problem.text, kShownCharacters);
    said += chinese ? ConcatTexts(" 第 ", line, " 行“", quote, "”") : ConcatTexts(" line ", line, " \"", quote, "\"");
  }
  const Words words = WordsOf(problem.kind);
  said += chinese ? words.chinese : words.english;
  if (problem.kind == Aria2SettingsProblemKind::RpcNotWebLink) said += kDefaultAria2Rpc;
  return said;
}

}  // namespace getlink
