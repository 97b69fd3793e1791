// Templates of a rule: text with {name} standing for a value, {{ and }} for braces.
#pragma once

#include <functional>
#include <optional>

#include "app/rules/ServiceRule.h"

namespace getlink {

// Reads a template. `slotOf` answers the slot of a name, or nothing for a name no earlier
// step sets. On a fault returns nothing and says why in `problem` (Chinese and English).
struct TemplateProblem {
  Text chinese;
  Text english;
};
std::optional<RuleTemplate> ReadRuleTemplate(std::string_view text,
                                             const std::function<std::optional<RuleSlot>(std::string_view)>& slotOf,
                                             TemplateProblem& problem);

// A template that is the literal text alone.
RuleTemplate LiteralTemplate(std::string_view text);

// The template with each slot's value put in. Stops adding once the text would pass
// `maxBytes` and answers nothing then.
std::optional<Text> ExpandRuleTemplate(const RuleTemplate& pattern, const std::vector<Text>& values,
                                       std::size_t maxBytes);

}  // namespace getlink
