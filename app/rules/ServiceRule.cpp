#include "app/rules/ServiceRule.h"

namespace getlink {

bool ServiceRule::AddressOnly() const {
  for (int field = 0; field < kResultFields; ++field) {
    if (field != static_cast<int>(ResultField::Address) && result[static_cast<std::size_t>(field)]) return false;
  }
  return true;
}

const char* RuleVerbName(RuleVerb verb) {
  switch (verb) {
    case RuleVerb::Get: return "get";
    case RuleVerb::Post: return "post";
    case RuleVerb::Cut: return "cut";
    case RuleVerb::Text: return "text";
    case RuleVerb::Replace: return "replace";
    case RuleVerb::UrlDecode: return "urldecode";
    case RuleVerb::UrlEncode: return "urlencode";
    case RuleVerb::Json: return "json";
    case RuleVerb::Origin: return "origin";
    case RuleVerb::Fail: return "fail";
  }
  return "";
}

}  // namespace getlink
