#include "app/rules/RuleRunner.h"

#include <algorithm>
#include <string>

#include "app/ShareLink.h"
#include "app/rules/MarkerSearch.h"
#include "app/rules/RuleLimits.h"
#include "app/rules/RuleTemplate.h"
#include "http/Cookies.h"
#include "http/UrlDecoding.h"
#include "runtime/Codec.h"
#include "runtime/JsonText.h"
#include "runtime/TextBuild.h"
#include "runtime/TextConvert.h"
#include "runtime/TextSearch.h"

namespace getlink {
namespace {

constexpr std::size_t kMaxValue = rule_limits::kValueBytes;

// The value at the path in a JSON text: a string with its escapes undone, a number or
// true/false as written; empty for anything else or when the text is no JSON.
Text JsonValueAt(std::string_view gbk, const std::vector<RuleStep::PathPart>& path) {
  const std::optional<JsonValue> document = ParseJson(GbkToUtf8(gbk));
  if (!document) return Text();
  const JsonValue* value = &*document;
  for (const RuleStep::PathPart& part : path) {
    if (part.index >= 0) {
      const bool inside = value->kind == JsonValue::Kind::Array &&
                          static_cast<std::size_t>(part.index) < value->items.size();
      value = inside ? &value->items[static_cast<std::size_t>(part.index)] : nullptr;
    } else {
      value = value->kind == JsonValue::Kind::Object ? value->Member(part.member) : nullptr;
    }
    if (value == nullptr) return Text();
  }
  switch (value->kind) {
    case JsonValue::Kind::String: return Utf8ToGbkBytes(value->text);
    case JsonValue::Kind::Number:
    case JsonValue::Kind::Boolean: return value->text;
    default: return Text();
  }
}

Text Cut(std::string_view text, const RuleStep& step) {
  int start = 1;
  if (!step.from.empty()) {
    const MarkerSearch left(step.from, step.letters);
    const int at = step.last ? left.Last(text) : left.First(text);
    if (at == -1) return Text();
    start = at + TextLength(step.from);
  }
  if (step.to.empty()) return Text(text.substr(static_cast<std::size_t>(start - 1)));
  const int end = MarkerSearch(step.to, step.letters).First(text, step.mode == CutMode::Next ? start : 1);
  if (end < start) return Text();  // missing, or before the left marker's end
  return Text(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(end - start)));
}

Text WithoutControlCharacters(std::string_view text) {
  Text clean;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) clean += c;
  }
  return clean;
}

class RuleRun {
 public:
  RuleRun(const ServiceRule& rule, const RuleInput& input, RuleTransport& transport, const RuleStepHook& onStep)
      : rule_(rule), transport_(transport), onStep_(onStep), values_(rule.slotNames.size()), emptyAt_(values_.size(), 0) {
    values_[kLinkSlot] = TrimLink(input.link);
    values_[kCodeSlot] = input.code;
    values_[kTimeSlot] = std::to_string(input.timeMs);
  }

  RuleOutcome Run() {
    for (std::size_t i = 0; i < rule_.steps.size() && !ended_; ++i) RunStep(static_cast<int>(i) + 1, rule_.steps[i]);
    return Outcome();
  }

 private:
  // The first step at which a value the step reads had come out empty, or 0.
  int EmptySince(const RuleTemplate& pattern) const {
    int since = 0;
    for (const RuleTemplate::Piece& piece : pattern.pieces) {
      if (piece.slot >= 0) since = Earliest(since, emptyAt_[static_cast<std::size_t>(piece.slot)]);
    }
    return since;
  }
  static int Earliest(int a, int b) { return a == 0 ? b : (b == 0 ? a : std::min(a, b)); }

  int EmptySince(const RuleStep& step) const {
    int since = Earliest(EmptySince(step.input), step.source >= 0 ? emptyAt_[static_cast<std::size_t>(step.source)] : 0);
    if (step.form) since = Earliest(since, EmptySince(*step.form));
    for (const auto& header : step.headers) since = Earliest(since, EmptySince(header.second));
    return since;
  }

  // A failure at the step (0: the result), named by its verb and output: "cut dlink".
  FetchFailure StepFailure(FailureKind kind, int number) const {
    FetchFailure failure{kind};
    failure.rule = rule_.file;
    failure.step = number;
    if (number > 0) {
      const RuleStep& step = rule_.steps[static_cast<std::size_t>(number - 1)];
      failure.text = RuleVerbName(step.verb);
      if (step.output >= 0) failure.text += ConcatTexts(" ", rule_.slotNames[static_cast<std::size_t>(step.output)]);
    }
    return failure;
  }

  void Stop(FailureKind kind, int number) {
    stopped_ = StepFailure(kind, number);
    ended_ = true;
  }

  std::optional<Text> Expand(const RuleTemplate& pattern, int number) {
    std::optional<Text> text = ExpandRuleTemplate(pattern, values_, kMaxValue);
    if (!text) Stop(FailureKind::RuleValueTooLong, number);
    return text;
  }

  bool Holds(const RuleCondition& when, int number) {
    using Test = RuleCondition::Test;
    if (when.test == Test::Always) return true;
    const Text& value = values_[static_cast<std::size_t>(when.slot)];
    if (when.test == Test::NotEmpty) return !value.empty();
    if (when.test == Test::Empty) return value.empty();
    const std::optional<Text> operand = Expand(when.operand, number);
    if (!operand) return false;
    const bool equal = value == *operand;
    const bool contains = !operand->empty() && MarkerSearch(*operand, Case::Sensitive).First(value) != -1;
    switch (when.test) {
      case Test::Equal: return equal;
      case Test::NotEqual: return !equal;
      case Test::Contains: return contains;
      default: return !contains;
    }
  }

  void RunStep(int number, const RuleStep& step) {
    const bool ran = Holds(step.when, number) && !ended_;
    if (ran) {
      std::optional<Text> output = Perform(number, step);
      if (output && output->size() > kMaxValue) {
        Stop(FailureKind::RuleValueTooLong, number);
      } else if (output && step.output >= 0) {
        const std::size_t slot = static_cast<std::size_t>(step.output);
        const int since = EmptySince(step);
        emptyAt_[slot] = since != 0 ? since : (output->empty() ? number : 0);
        values_[slot] = std::move(*output);
      }
    }
    if (onStep_) {
      RuleStepReport report;
      report.number = number;
      report.step = &step;
      report.ran = ran;
      report.value = step.output >= 0 ? &values_[static_cast<std::size_t>(step.output)] : nullptr;
      onStep_(report);
    }
  }

  // The step's output; nothing when the step ended the run.
  std::optional<Text> Perform(int number, const RuleStep& step) {
    const Text& source = step.source >= 0 ? values_[static_cast<std::size_t>(step.source)] : values_[0];
    switch (step.verb) {
      case RuleVerb::Get:
      case RuleVerb::Post: return Request(number, step);
      case RuleVerb::Cut: return Cut(source, step);
      case RuleVerb::Text: return Expand(step.input, number);
      case RuleVerb::Replace: {
        std::optional<Text> replaced = MarkerSearch(step.find, step.letters).Replace(source, step.with, kMaxValue);
        if (!replaced) Stop(FailureKind::RuleValueTooLong, number);
        return replaced;
      }
      case RuleVerb::UrlDecode: return UrlDecode(source);
      case RuleVerb::UrlEncode: return FormValue(source);
      case RuleVerb::Json: return JsonValueAt(source, step.path);
      case RuleVerb::Origin: {
        if (!IsWebLink(source)) return Text();
        return ConcatTexts(source.substr(0, source.find("://") + 3), LinkAuthority(source));
      }
      case RuleVerb::Fail: {
        const std::optional<Text> reason = Expand(step.input, number);
        if (!reason) return std::nullopt;
        FetchFailure failure = StepFailure(FailureKind::RuleFailed, number);
        failure.text = OneLineQuote(*reason, 200);
        ruleFailure_ = failure;
        ended_ = true;
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

  std::optional<Text> Request(int number, const RuleStep& step) {
    RuleRequest request;
    request.method = step.verb == RuleVerb::Post ? "POST" : "GET";
    std::optional<Text> url = Expand(step.input, number);
    if (!url) return std::nullopt;
    if (url->empty()) {  // nothing to ask: the run ends where the address went empty
      const int since = EmptySince(step.input);
      Stop(FailureKind::RuleStopped, since != 0 ? since : number);
      return std::nullopt;
    }
    if (step.location >= 0) values_[static_cast<std::size_t>(step.location)].clear();
    if (!IsWebLink(*url)) {  // file:, ftp:, a line break inside: never sent
      lastFailure_ = FetchFailure{FailureKind::NotWebLink};
      return Text();
    }
    request.url = std::move(*url);
    for (const auto& header : step.headers) {
      const std::optional<Text> value = Expand(header.second, number);
      if (!value) return std::nullopt;
      request.headers.emplace_back(header.first, WithoutControlCharacters(*value));
    }
    if (!cookies_.empty()) request.headers.emplace_back("Cookie", cookies_);
    if (step.form) {
      std::optional<Text> body = Expand(*step.form, number);
      if (!body) return std::nullopt;
      request.body = std::move(*body);
    }
    request.followRedirects = step.location < 0;

    RuleResponse response = transport_.Send(request);
    if (response.failure) lastFailure_ = response.failure;
    Text setCookies = CookiesSetBy(response.setCookies);
    if (!setCookies.empty()) MergeCookies(cookies_, setCookies);
    if (step.location >= 0) {
      const std::size_t slot = static_cast<std::size_t>(step.location);
      values_[slot] = ResolveLink(request.url, response.location);
      emptyAt_[slot] = values_[slot].empty() ? number : 0;
    }
    return step.encoding == PageEncoding::Utf8 ? PageToGbk(response.body) : ByteSetToText(response.body);
  }

  RuleOutcome Outcome() const {
    RuleOutcome outcome;
    Text* fields[kResultFields] = {&outcome.info.name,      &outcome.info.size,          &outcome.info.sharer,
                                   &outcome.info.shareTime, &outcome.info.downloadCount, &outcome.info.address};
    for (int field = 0; field < kResultFields; ++field) {
      const std::optional<RuleTemplate>& pattern = rule_.result[static_cast<std::size_t>(field)];
      if (!pattern) continue;
      *fields[field] = ExpandRuleTemplate(*pattern, values_, kMaxValue).value_or(Text());
    }
    if (ruleFailure_ || !IsWebLink(outcome.info.address)) outcome.info.address.clear();
    if (!outcome.info.address.empty()) return outcome;

    if (lastFailure_) {
      outcome.failure = lastFailure_;
    } else if (ruleFailure_) {
      outcome.failure = ruleFailure_;
    } else if (stopped_) {
      outcome.failure = stopped_;
    } else {
      const int since = EmptySince(*rule_.result[static_cast<std::size_t>(ResultField::Address)]);
      outcome.failure = StepFailure(FailureKind::RuleStopped, since);
    }
    return outcome;
  }

  const ServiceRule& rule_;
  RuleTransport& transport_;
  const RuleStepHook& onStep_;
  std::vector<Text> values_;
  std::vector<int> emptyAt_;  // per slot: the first step at which its value came out empty
  Text cookies_;
  bool ended_ = false;
  std::optional<FetchFailure> lastFailure_;  // of the last request that failed
  std::optional<FetchFailure> ruleFailure_;  // of a fail step
  std::optional<FetchFailure> stopped_;      // where the run ended early
};

}  // namespace

RuleOutcome RunServiceRule(const ServiceRule& rule, const RuleInput& input, RuleTransport& transport,
                           const RuleStepHook& onStep) {
  return RuleRun(rule, input, transport, onStep).Run();
}

}  // namespace getlink
