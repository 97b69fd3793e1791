#include "app/rules/ServiceRuleReader.h"

#include <algorithm>
#include <unordered_set>

#include "app/rules/RuleLimits.h"
#include "app/rules/RuleTemplate.h"
#include "runtime/Codec.h"
#include "runtime/JsonText.h"
#include "runtime/TextBuild.h"

namespace getlink {
namespace {

namespace limits = rule_limits;
using Kind = JsonValue::Kind;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct Words {
  Text chinese;
  Text english;
};

Words JsonFaultWords(JsonFault fault) {
  switch (fault) {
    case JsonFault::NotUtf8: return {"不是 UTF-8 文本（请以 UTF-8 保存）", "not UTF-8 text (save it as UTF-8)"};
    case JsonFault::UnendedString: return {"字符串没有结束的引号", "a string without its closing quote"};
    case JsonFault::BadEscape: return {"字符串中有无效的转义", "a string holds an invalid escape"};
    case JsonFault::TooDeep: return {"嵌套太深", "nested too deeply"};
    case JsonFault::TextAfterValue: return {"JSON 值后面还有内容", "text after the JSON value"};
    case JsonFault::Unexpected:
    case JsonFault::None: break;
  }
  return {"不是有效的 JSON（检查逗号、引号和括号）", "not valid JSON (check commas, quotes and brackets)"};
}

bool IsAsciiName(std::string_view name, bool dashes) {
  return !name.empty() && name.size() <= limits::kNameBytes &&
         std::all_of(name.begin(), name.end(), [dashes](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == (dashes ? '-' : '_');
         });
}

bool IsHostEntry(std::string_view host) {
  const std::size_t colon = host.find(':');
  const std::string_view name = host.substr(0, colon);
  const std::string_view port = colon == std::string_view::npos ? std::string_view("1") : host.substr(colon + 1);
  const auto hostCharacter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
  };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return !name.empty() && name.size() <= 253 && std::all_of(name.begin(), name.end(), hostCharacter) &&
         !port.empty() && port.size() <= 5 && std::all_of(port.begin(), port.end(), digit);
}

// The first member whose name an earlier member has, or npos.
std::size_t RepeatedMember(const JsonValue& object) {
  std::unordered_set<std::string_view> seen;
  for (std::size_t i = 0; i < object.memberNames.size(); ++i) {
    if (!seen.insert(object.memberNames[i]).second) return i;
  }
  return std::string_view::npos;
}

// The keys each verb's step may hold besides its verb and the condition.
struct VerbKeys {
  RuleVerb verb;
  std::initializer_list<std::string_view> keys;
};

const VerbKeys kVerbs[] = {
    {RuleVerb::Get, {"as", "headers", "encoding", "location"}},
    {RuleVerb::Post, {"as", "headers", "encoding", "location", "form"}},
    {RuleVerb::Cut, {"as", "from", "last", "to", "mode", "case"}},
    {RuleVerb::Text, {"as"}},
    {RuleVerb::Replace, {"as", "find", "with", "case"}},
    {RuleVerb::UrlDecode, {"as"}},
    {RuleVerb::UrlEncode, {"as"}},
    {RuleVerb::Json, {"as", "path"}},
    {RuleVerb::Origin, {"as"}},
    {RuleVerb::Fail, {}},
};

constexpr std::string_view kFieldNames[kResultFields] = {"name", "size", "sharer", "shareTime", "downloadCount",
                                                         "address"};

class RuleFileReader {
 public:
  explicit RuleFileReader(std::string_view fileName) { rule_.file = Text(fileName); }

  ServiceRuleRead Read(std::string_view bytes) {
    if (bytes.size() > limits::kFileBytes) {
      Fail(0, {"文件大于 256 KiB", "the file is larger than 256 KiB"});
    } else {
      if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
      JsonReadOptions options;
      options.comments = true;
      options.deepest = limits::kNesting;
      const JsonRead json = ReadJson(bytes, options);
      if (!json.value) {
        Fail(json.line, JsonFaultWords(json.fault));
      } else {
        ReadRule(*json.value);
      }
    }
    ServiceRuleRead read;
    if (fault_) {
      read.fault = std::move(*fault_);
    } else {
      read.rule = std::move(rule_);
    }
    return read;
  }

 private:
  // Records the first fault; the reader stops at it.
  bool Fail(int line, Words words) {
    if (!fault_) fault_ = FileFault{rule_.file, line, std::move(words.chinese), std::move(words.english)};
    return false;
  }

  static Text Quote(std::string_view name) { return OneLineQuote(name, limits::kNameBytes); }

  // Every member name of the object is one of `keys`, and none repeats.
  bool OnlyKeys(const JsonValue& object, std::initializer_list<std::string_view> keys,
                std::initializer_list<std::string_view> moreKeys = {}) {
    for (std::size_t i = 0; i < object.memberNames.size(); ++i) {
      const std::string& name = object.memberNames[i];
      const auto known = [&name](std::string_view key) { return key == name; };
      if (std::none_of(keys.begin(), keys.end(), known) && std::none_of(moreKeys.begin(), moreKeys.end(), known))
        return Fail(object.memberValues[i].line,
                    {ConcatTexts("未知的键“", Quote(name), "”"), ConcatTexts("unknown key \"", Quote(name), "\"")});
    }
    return NoKeyTwice(object);
  }

  bool NoKeyTwice(const JsonValue& object) {
    const std::size_t repeated = RepeatedMember(object);
    if (repeated == std::string_view::npos) return true;
    const Text name = Quote(object.memberNames[repeated]);
    return Fail(object.memberValues[repeated].line,
                {ConcatTexts("键“", name, "”出现了两次"), ConcatTexts("the key \"", name, "\" appears twice")});
  }

  // The member as GBK text; nothing (and a fault) when it is missing and required, not a
  // string, too long or holds a character GBK lacks.
  std::optional<Text> String(const JsonValue& object, std::string_view key, bool required, int line) {
    const JsonValue* value = object.Member(key);
    if (value == nullptr) {
      if (required) Fail(line, {ConcatTexts("缺少“", key, "”"), ConcatTexts("\"", key, "\" is missing")});
      return std::nullopt;
    }
    return Gbk(*value, key);
  }

  std::optional<Text> Gbk(const JsonValue& value, std::string_view key) {
    if (value.kind != Kind::String) {
      Fail(value.line, {ConcatTexts("“", key, "”应是字符串"), ConcatTexts("\"", key, "\" must be a string")});
      return std::nullopt;
    }
    if (value.text.size() > limits::kStringBytes) {
      Fail(value.line, {ConcatTexts("“", key, "”长于 4096 字节"), ConcatTexts("\"", key, "\" is longer than 4096 bytes")});
      return std::nullopt;
    }
    Text gbk = Utf8ToGbkBytes(value.text);
    if (GbkToUtf8(gbk) != value.text) {
      Fail(value.line, {ConcatTexts("“", key, "”含有 GBK 中没有的字符"),
                        ConcatTexts("\"", key, "\" holds a character that GBK lacks")});
      return std::nullopt;
    }
    return gbk;
  }

  std::optional<RuleSlot> SlotOf(std::string_view name) const {
    const auto found = std::find(rule_.slotNames.begin(), rule_.slotNames.end(), name);
    if (found == rule_.slotNames.end()) return std::nullopt;
    return static_cast<RuleSlot>(found - rule_.slotNames.begin());
  }

  std::optional<RuleTemplate> Template(const JsonValue& value, std::string_view key) {
    const std::optional<Text> text = Gbk(value, key);
    if (!text) return std::nullopt;
    TemplateProblem problem;
    std::optional<RuleTemplate> pattern =
        ReadRuleTemplate(*text, [this](std::string_view name) { return SlotOf(name); }, problem);
    if (!pattern) Fail(value.line, {std::move(problem.chinese), std::move(problem.english)});
    return pattern;
  }

  // A value a step reads: a name some earlier step gives (or a built-in one).
  std::optional<RuleSlot> Source(const JsonValue& value, std::string_view key) {
    const std::optional<Text> name = Gbk(value, key);
    if (!name) return std::nullopt;
    const std::optional<RuleSlot> slot = SlotOf(*name);
    if (!slot)
      Fail(value.line, {ConcatTexts("没有前面的步骤给出值“", Quote(*name), "”"),
                        ConcatTexts("no earlier step gives the value \"", Quote(*name), "\"")});
    return slot;
  }

  // A value a step gives: a new name, or one given before (which it replaces).
  std::optional<RuleSlot> Output(const JsonValue& value, std::string_view key) {
    const std::optional<Text> name = Gbk(value, key);
    if (!name) return std::nullopt;
    if (!IsAsciiName(*name, false)) {
      Fail(value.line, {ConcatTexts("值的名字只能由字母、数字和“_”组成（至多 32 个）：“", Quote(*name), "”"),
                        ConcatTexts("a value's name is letters, digits and \"_\" (at most 32): \"", Quote(*name), "\"")});
      return std::nullopt;
    }
    if (std::optional<RuleSlot> slot = SlotOf(*name)) {
      if (*slot < kBuiltInSlots) {
        Fail(value.line, {ConcatTexts("不能改写内置的值“", *name, "”"),
                          ConcatTexts("the built-in value \"", *name, "\" cannot be replaced")});
        return std::nullopt;
      }
      return slot;
    }
    rule_.slotNames.push_back(*name);
    return static_cast<RuleSlot>(rule_.slotNames.size() - 1);
  }

  // One of the words a key may take; nothing (and a fault) for another.
  std::optional<int> Choice(const JsonValue& step, std::string_view key, std::initializer_list<std::string_view> words) {
    const JsonValue* value = step.Member(key);
    if (value == nullptr) return 0;
    int index = 0;
    for (std::string_view word : words) {
      if (value->kind == Kind::String && value->text == word) return index;
      ++index;
    }
    Text list;
    for (std::string_view word : words) list += ConcatTexts(list.empty() ? "" : ", ", "\"", word, "\"");
    Fail(value->line, {ConcatTexts("“", key, "”只能是 ", list), ConcatTexts("\"", key, "\" must be one of ", list)});
    return std::nullopt;
  }

  void ReadRule(const JsonValue& top) {
    if (top.kind != Kind::Object) {
      Fail(top.line, {"文件应是一个 JSON 对象 { … }", "the file must hold one JSON object { ... }"});
      return;
    }
    if (!OnlyKeys(top, {"service", "title", "hosts", "steps", "result"})) return;
    rule_.slotNames = {"link", "code", "time"};
    if (!ReadNames(top) || !ReadHosts(top)) return;
    const JsonValue* steps = top.Member("steps");
    if (steps == nullptr || steps->kind != Kind::Array || steps->items.empty()) {
      Fail(steps ? steps->line : top.line, {"“steps”应是非空的步骤数组 [ … ]", "\"steps\" must be a non-empty array of steps"});
      return;
    }
    if (steps->items.size() > static_cast<std::size_t>(limits::kSteps)) {
      Fail(steps->items[limits::kSteps].line, {"步骤多于 64 个", "more than 64 steps"});
      return;
    }
    int requests = 0;
    for (const JsonValue& item : steps->items) {
      std::optional<RuleStep> step = ReadStep(item);
      if (!step) return;
      if ((step->verb == RuleVerb::Get || step->verb == RuleVerb::Post) && ++requests > limits::kRequests) {
        Fail(item.line, {"请求（get、post）多于 8 个", "more than 8 requests (get, post)"});
        return;
      }
      rule_.steps.push_back(std::move(*step));
    }
    ReadResult(top);
  }

  bool ReadNames(const JsonValue& top) {
    const std::optional<Text> service = String(top, "service", true, top.line);
    if (!service) return false;
    if (!IsAsciiName(*service, true))
      return Fail(top.Member("service")->line, {"“service”只能由字母、数字和“-”组成（至多 32 个）",
                                                "\"service\" is letters, digits and \"-\" (at most 32)"});
    const std::optional<Text> title = String(top, "title", true, top.line);
    if (!title) return false;
    const bool control = std::any_of(title->begin(), title->end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (title->empty() || title->size() > limits::kTitleBytes || control)
      return Fail(top.Member("title")->line, {"“title”应是一行 1 到 64 字节的文字", "\"title\" must be one line of 1 to 64 bytes"});
    rule_.service = *service;
    rule_.title = *title;
    return true;
  }

  bool ReadHosts(const JsonValue& top) {
    const JsonValue* hosts = top.Member("hosts");
    if (hosts == nullptr) return true;  // chosen from the list alone
    if (hosts->kind != Kind::Array)
      return Fail(hosts->line, {"“hosts”应是主机名的数组", "\"hosts\" must be an array of host names"});
    if (hosts->items.size() > static_cast<std::size_t>(limits::kHosts))
      return Fail(hosts->line, {"主机名多于 32 个", "more than 32 host names"});
    for (const JsonValue& host : hosts->items) {
      if (host.kind != Kind::String || !IsHostEntry(host.text))
        return Fail(host.line, {"主机名应形如 pan.example.com 或 pan.example.com:8080",
                                "a host name looks like pan.example.com or pan.example.com:8080"});
      rule_.hosts.push_back(LowerText(host.text));
    }
    return true;
  }

  std::optional<RuleStep> ReadStep(const JsonValue& item) {
    if (item.kind != Kind::Object) {
      Fail(item.line, {"步骤应是 JSON 对象 { … }", "a step must be a JSON object { ... }"});
      return std::nullopt;
    }
    const VerbKeys* verb = nullptr;
    for (const VerbKeys& candidate : kVerbs) {
      if (item.Member(RuleVerbName(candidate.verb)) == nullptr) continue;
      if (verb != nullptr) {
        const char* first = RuleVerbName(verb->verb);
        const char* second = RuleVerbName(candidate.verb);
        Fail(item.line, {ConcatTexts("一个步骤只能有一个动作（", first, "、", second, "）"),
                         ConcatTexts("a step has one verb only (", first, ", ", second, ")")});
        return std::nullopt;
      }
      verb = &candidate;
    }
    if (verb == nullptr) {
      Fail(item.line, {"步骤没有动作（get、post、cut、text、replace、urldecode、urlencode、json、origin、fail）",
                       "a step without a verb (get, post, cut, text, replace, urldecode, urlencode, json, origin, fail)"});
      return std::nullopt;
    }
    const std::string_view verbName = RuleVerbName(verb->verb);
    if (!OnlyKeys(item, verb->keys, {verbName, "if", "unless", "is", "has"})) return std::nullopt;
    RuleStep step;
    step.verb = verb->verb;
    step.line = item.line;
    const JsonValue& subject = *item.Member(verbName);
    if (!ReadCondition(item, step.when) || !ReadInputs(item, subject, step)) return std::nullopt;
    // Outputs last: a step cannot read the value it is the first to give.
    if (step.verb == RuleVerb::Fail) return step;
    const JsonValue* as = item.Member("as");
    if (as == nullptr) {
      Fail(item.line, {"缺少“as”（这一步的结果的名字）", "\"as\" (the name of the step's result) is missing"});
      return std::nullopt;
    }
    const std::optional<RuleSlot> output = Output(*as, "as");
    if (!output) return std::nullopt;
    step.output = *output;
    if (const JsonValue* location = item.Member("location")) {
      const std::optional<RuleSlot> slot = Output(*location, "location");
      if (!slot) return std::nullopt;
      step.location = *slot;
    }
    return step;
  }

  bool ReadCondition(const JsonValue& item, RuleCondition& when) {
    const JsonValue* ifValue = item.Member("if");
    const JsonValue* unlessValue = item.Member("unless");
    const JsonValue* is = item.Member("is");
    const JsonValue* has = item.Member("has");
    if (ifValue && unlessValue) return Fail(item.line, {"“if”和“unless”只能用一个", "use \"if\" or \"unless\", not both"});
    if (is && has) return Fail(item.line, {"“is”和“has”只能用一个", "use \"is\" or \"has\", not both"});
    const JsonValue* tested = ifValue ? ifValue : unlessValue;
    if (tested == nullptr) {
      if (is || has) return Fail(item.line, {"“is”或“has”要和“if”或“unless”一起用", "\"is\" and \"has\" go with \"if\" or \"unless\""});
      return true;
    }
    const std::optional<RuleSlot> slot = Source(*tested, ifValue ? "if" : "unless");
    if (!slot) return false;
    when.slot = *slot;
    using Test = RuleCondition::Test;
    if (is || has) {
      std::optional<RuleTemplate> operand = Template(is ? *is : *has, is ? "is" : "has");
      if (!operand) return false;
      when.operand = std::move(*operand);
      when.test = is ? (ifValue ? Test::Equal : Test::NotEqual) : (ifValue ? Test::Contains : Test::NotContains);
    } else {
      when.test = ifValue ? Test::NotEmpty : Test::Empty;
    }
    return true;
  }

  bool ReadInputs(const JsonValue& item, const JsonValue& subject, RuleStep& step) {
    const std::string_view verb = RuleVerbName(step.verb);
    switch (step.verb) {
      case RuleVerb::Get:
      case RuleVerb::Post: return ReadRequest(item, subject, step);
      case RuleVerb::Text:
      case RuleVerb::Fail: {
        std::optional<RuleTemplate> input = Template(subject, verb);
        if (!input) return false;
        step.input = std::move(*input);
        return true;
      }
      default: break;
    }
    const std::optional<RuleSlot> source = Source(subject, verb);
    if (!source) return false;
    step.source = *source;
    if (step.verb == RuleVerb::Cut) return ReadCut(item, step);
    if (step.verb == RuleVerb::Replace) return ReadReplace(item, step);
    if (step.verb == RuleVerb::Json) return ReadPath(item, step);
    return true;
  }

  bool ReadRequest(const JsonValue& item, const JsonValue& subject, RuleStep& step) {
    std::optional<RuleTemplate> address = Template(subject, RuleVerbName(step.verb));
    if (!address) return false;
    step.input = std::move(*address);
    if (const JsonValue* headers = item.Member("headers")) {
      if (headers->kind != Kind::Object)
        return Fail(headers->line, {"“headers”应是 { \"名字\": \"值\" } 对象", "\"headers\" must be an object { \"Name\": \"value\" }"});
      if (!NoKeyTwice(*headers)) return false;
      for (std::size_t i = 0; i < headers->memberNames.size(); ++i) {
        const std::string& name = headers->memberNames[i];
        if (!IsAsciiName(name, true) || IsReservedHeader(name))
          return Fail(headers->memberValues[i].line,
                      {ConcatTexts("不能发送的请求头“", Quote(name), "”"), ConcatTexts("a header that cannot be sent: \"", Quote(name), "\"")});
        std::optional<RuleTemplate> value = Template(headers->memberValues[i], name);
        if (!value) return false;
        step.headers.emplace_back(name, std::move(*value));
      }
    }
    if (const JsonValue* form = item.Member("form")) {
      std::optional<RuleTemplate> body = Template(*form, "form");
      if (!body) return false;
      step.form = std::move(*body);
    }
    const std::optional<int> encoding = Choice(item, "encoding", {"utf-8", "gbk"});
    if (!encoding) return false;
    step.encoding = *encoding == 0 ? PageEncoding::Utf8 : PageEncoding::Gbk;
    return true;
  }

  // What the request itself decides: where it goes, how long its body is, and its cookies.
  static bool IsReservedHeader(std::string_view name) {
    for (std::string_view reserved : {"host", "content-length", "cookie", "transfer-encoding", "connection"}) {
      if (LowerText(name) == reserved) return true;
    }
    return false;
  }

  bool ReadLetterCase(const JsonValue& item, RuleStep& step) {
    const std::optional<int> letters = Choice(item, "case", {"exact", "any"});
    if (!letters) return false;
    step.letters = *letters == 0 ? Case::Sensitive : Case::Insensitive;
    return true;
  }

  bool ReadCut(const JsonValue& item, RuleStep& step) {
    const std::optional<Text> from = item.Member("from") ? String(item, "from", false, item.line) : Text();
    const std::optional<Text> to = item.Member("to") ? String(item, "to", false, item.line) : Text();
    if (!from || !to) return false;
    step.from = *from;
    step.to = *to;
    if (const JsonValue* last = item.Member("last")) {
      if (last->kind != Kind::Boolean) return Fail(last->line, {"“last”应是 true 或 false", "\"last\" must be true or false"});
      step.last = last->text == "true";
    }
    const std::optional<int> mode = Choice(item, "mode", {"next", "first"});
    if (!mode) return false;
    step.mode = *mode == 0 ? CutMode::Next : CutMode::First;
    return ReadLetterCase(item, step);
  }

  bool ReadReplace(const JsonValue& item, RuleStep& step) {
    const std::optional<Text> find = String(item, "find", true, item.line);
    if (!find) return false;
    if (find->empty()) return Fail(item.Member("find")->line, {"“find”不能为空", "\"find\" must not be empty"});
    const std::optional<Text> with = item.Member("with") ? String(item, "with", false, item.line) : Text();
    if (!with) return false;
    step.find = *find;
    step.with = *with;
    return ReadLetterCase(item, step);
  }

  // "data.list[0].url": member names joined by ".", array indexes in brackets.
  bool ReadPath(const JsonValue& item, RuleStep& step) {
    const std::optional<Text> path = String(item, "path", true, item.line);
    if (!path) return false;
    const int line = item.Member("path")->line;
    const Words bad = {"“path”应形如 data.list[0].url", "\"path\" looks like data.list[0].url"};
    std::size_t at = 0;
    while (at < path->size()) {
      if ((*path)[at] == '[') {
        const std::size_t close = path->find(']', at);
        const std::string_view digits = std::string_view(*path).substr(at + 1, close == Text::npos ? 0 : close - at - 1);
        if (close == Text::npos || digits.empty() || digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
          return Fail(line, bad);
        step.path.push_back({Text(), std::stoi(Text(digits))});
        at = close + 1;
      } else {
        if ((*path)[at] == '.') {
          if (at == 0 || at + 1 >= path->size()) return Fail(line, bad);
          ++at;
        }
        const std::size_t end = std::min(path->find_first_of(".[", at), path->size());
        if (end == at) return Fail(line, bad);
        step.path.push_back({path->substr(at, end - at), -1});
        at = end;
      }
    }
    return true;
  }

  void ReadResult(const JsonValue& top) {
    const JsonValue* result = top.Member("result");
    if (result == nullptr || result->kind != Kind::Object) {
      Fail(result ? result->line : top.line, {"缺少“result”对象（至少要有 \"address\"）", "the \"result\" object is missing (it needs \"address\" at least)"});
      return;
    }
    if (!OnlyKeys(*result, {kFieldNames[0], kFieldNames[1], kFieldNames[2], kFieldNames[3], kFieldNames[4], kFieldNames[5]}))
      return;
    for (int field = 0; field < kResultFields; ++field) {
      if (const JsonValue* value = result->Member(kFieldNames[field])) {
        std::optional<RuleTemplate> pattern = Template(*value, kFieldNames[field]);
        if (!pattern) return;
        rule_.result[static_cast<std::size_t>(field)] = std::move(*pattern);
      }
    }
    if (!rule_.result[static_cast<std::size_t>(ResultField::Address)])
      Fail(result->line, {"“result”缺少“address”", "\"result\" has no \"address\""});
  }

  ServiceRule rule_;
  std::optional<FileFault> fault_;
};

}  // namespace

ServiceRuleRead ReadServiceRule(std::string_view bytes, std::string_view fileName) {
  return RuleFileReader(fileName).Read(bytes);
}

}  // namespace getlink
