#include "app/Aria2Settings.h"

#include <string>

#include "app/ShareLink.h"
#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

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
      return {" 大于 64 KiB，使用默认设置", " is larger than 64 KiB: the defaults are used"};
    case Aria2SettingsProblemKind::UnknownEncoding:
      return {" 不是 UTF-8、UTF-16 或 GBK 文本，使用默认设置", " is not UTF-8, UTF-16 or GBK text: the defaults are used"};
    case Aria2SettingsProblemKind::OutsideSection:
      return {"不在 [aria2] 节中，已忽略", " is outside the [aria2] section: ignored"};
    case Aria2SettingsProblemKind::NotASetting: return {"不是“名称=值”，已忽略", " is not NAME=VALUE: ignored"};
    case Aria2SettingsProblemKind::UnknownName:
      return {"不是 rpc 或 secret，已忽略", " is neither rpc nor secret: ignored"};
    case Aria2SettingsProblemKind::RpcNotWebLink:
      return {" rpc 不是 http 或 https 地址，使用默认地址", ": rpc is not an http or https address; using the default"};
  }
  return {"", ""};
}

}  // namespace

Aria2Settings Aria2SettingsFromIni(std::string_view bytes) {
  Aria2Settings settings;
  const auto problem = [&settings](Aria2SettingsProblemKind kind, int line) { settings.problems.push_back({kind, line}); };
  if (bytes.size() > kLargestSettingsFile) {
    problem(Aria2SettingsProblemKind::TooLarge, 0);
    return settings;
  }
  const std::optional<Text> text = TextOfSavedFile(bytes);
  if (!text) {
    problem(Aria2SettingsProblemKind::UnknownEncoding, 0);
    return settings;
  }
  bool inAnySection = false;
  bool inAria2 = false;
  int number = 0;
  for (const Text& written : SplitText(*text, "\n")) {
    ++number;
    const Text line = TrimBlanks(TrimLink(written));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      const std::size_t end = line.find(']');
      inAria2 = NameIs(TrimBlanks(line.substr(1, end == Text::npos ? Text::npos : end - 1)), "aria2");
      inAnySection = true;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inAnySection && equals != Text::npos) problem(Aria2SettingsProblemKind::OutsideSection, number);
    if (!inAria2) continue;
    if (equals == Text::npos) {
      problem(Aria2SettingsProblemKind::NotASetting, number);
      continue;
    }
    const Text name = TrimBlanks(line.substr(0, equals));
    const Text value = TrimBlanks(line.substr(equals + 1));
    if (NameIs(name, "rpc")) {
      if (value.empty() || IsAria2RpcAddress(value)) {
        settings.rpc = value.empty() ? Text(kDefaultAria2Rpc) : value;
      } else {
        problem(Aria2SettingsProblemKind::RpcNotWebLink, number);
      }
    } else if (NameIs(name, "secret")) {
      settings.secret = value;
    } else {
      problem(Aria2SettingsProblemKind::UnknownName, number);
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
  if (problem.line > 0) {
    const Text line = std::to_string(problem.line);
    said += chinese ? ConcatTexts(" 第 ", line, " 行") : ConcatTexts(" line ", line);
  }
  const Words words = WordsOf(problem.kind);
  return said + (chinese ? words.chinese : words.english);
}

}  // namespace getlink
