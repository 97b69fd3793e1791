#include "app/rules/RuleTemplate.h"

namespace getlink {
namespace {

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

void AddLiteral(RuleTemplate& pattern, std::string_view text) {
  if (text.empty()) return;
  if (!pattern.pieces.empty() && pattern.pieces.back().slot < 0) {
    pattern.pieces.back().literal += text;
  } else {
    pattern.pieces.push_back({Text(text), -1});
  }
}

}  // namespace

// Steps through characters: the second byte of a GBK character may be "{" or "}".
std::optional<RuleTemplate> ReadRuleTemplate(std::string_view text,
                                             const std::function<std::optional<RuleSlot>(std::string_view)>& slotOf,
                                             TemplateProblem& problem) {
  RuleTemplate pattern;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t width = CharacterWidthAt(text, at);
    const char c = text[at];
    if (width == 2 || (c != '{' && c != '}')) {
      AddLiteral(pattern, text.substr(at, width));
      at += width;
      continue;
    }
    if (at + 1 < text.size() && text[at + 1] == c) {  // "{{" or "}}"
      AddLiteral(pattern, text.substr(at, 1));
      at += 2;
      continue;
    }
    if (c == '}') {
      problem = {"“}”前面没有“{”（要写一个“}”请写“}}”）", "a \"}\" without its \"{\" (write \"}}\" for a brace)"};
      return std::nullopt;
    }
    std::size_t end = at + 1;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    if (end >= text.size() || text[end] != '}' || end == at + 1) {
      problem = {"“{”后面应是一个值的名字和“}”（要写一个“{”请写“{{”）",
                 "a \"{\" must be followed by a value's name and \"}\" (write \"{{\" for a brace)"};
      return std::nullopt;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    const std::optional<RuleSlot> slot = slotOf(name);
    if (!slot) {
      problem = {ConcatTexts("没有前面的步骤给出值 {", name, "}"),
                 ConcatTexts("no earlier step gives the value {", name, "}")};
      return std::nullopt;
    }
    pattern.pieces.push_back({Text(), *slot});
    at = end + 1;
  }
  return pattern;
}

RuleTemplate LiteralTemplate(std::string_view text) {
  RuleTemplate pattern;
  AddLiteral(pattern, text);
  return pattern;
}

std::optional<Text> ExpandRuleTemplate(const RuleTemplate& pattern, const std::vector<Text>& values,
                                       std::size_t maxBytes) {
  Text text;
  for (const RuleTemplate::Piece& piece : pattern.pieces) {
    const Text& part = piece.slot < 0 ? piece.literal : values[static_cast<std::size_t>(piece.slot)];
    if (part.size() > maxBytes - text.size()) return std::nullopt;
    text += part;
  }
  return text;
}

}  // namespace getlink
