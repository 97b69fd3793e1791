// Fuzz target: the example rules of the built-in services against their compiled
// extractors, on the same pages. The input is taken as a page as it stands and, to reach
// deep into the cuts, as a recipe for a page dense with the rules' markers (each byte below
// 0x40 puts one marker in, the others stand for themselves). Each page service must give
// the same six fields both ways; 360云盘, fed its three answers from the input, the same
// address.
#include <fstream>
#include <map>
#include <sstream>

#include "app/Cloud360Flow.h"
#include "app/SharePages.h"
#include "app/rules/RuleRunner.h"
#include "app/rules/ServiceRuleReader.h"
#include "runtime/Codec.h"
#include "runtime/TextConvert.h"
#include "tests/fuzz/FuzzInput.h"

namespace getlink::fuzz {
namespace {

const ServiceRule& ExampleRule(const std::string& service) {
  static std::map<std::string, ServiceRule> rules;
  auto found = rules.find(service);
  if (found != rules.end()) return found->second;
  std::ifstream file(std::string(GETLINK_SERVICES_DIR) + "/" + service + ".json", std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  ServiceRuleRead read = ReadServiceRule(bytes.str(), service + ".json");
  Require(read.rule.has_value(), "the example rule can be read");
  return rules.emplace(service, std::move(*read.rule)).first->second;
}

// Every marker of the example rules, as UTF-8 (a page's bytes are UTF-8). A change of the
// rules changes this list, and with it what a kept input makes of its bytes below 0x40.
const std::vector<std::string>& Markers() {
  static const std::vector<std::string> markers = [] {
    std::vector<std::string> all;
    for (const char* service : {"baidu", "weiyun", "vdisk", "qiannao", "weipan", "360"}) {
      for (const RuleStep& step : ExampleRule(service).steps) {
        for (const Text* marker : {&step.from, &step.to, &step.find}) {
          if (!marker->empty()) all.push_back(GbkToUtf8(*marker));
        }
      }
    }
    all.push_back("http://");
    return all;
  }();
  return markers;
}

std::string MarkerDense(std::string_view recipe) {
  std::string page;
  for (const char c : recipe) {
    const unsigned char byte = static_cast<unsigned char>(c);
    page += byte < 0x40 ? Markers()[byte % Markers().size()] : std::string(1, c);
  }
  return page;
}

class AnswerTransport : public RuleTransport {
 public:
  using Answer = std::function<RuleResponse(const RuleRequest&)>;
  explicit AnswerTransport(Answer answer) : answer_(std::move(answer)) {}
  RuleResponse Send(const RuleRequest& request) override { return answer_(request); }

 private:
  Answer answer_;
};

RuleResponse Body(std::string_view bytes) {
  RuleResponse response;
  response.body.assign(bytes.begin(), bytes.end());
  return response;
}

bool Same(const ShareInfo& a, const ShareInfo& b) {
  return a.address == b.address && a.size == b.size && a.name == b.name && a.sharer == b.sharer &&
         a.shareTime == b.shareTime && a.downloadCount == b.downloadCount;
}

void ComparePageServices(std::string_view bytes) {
  using Parser = ShareInfo (*)(std::string_view);
  const std::pair<const char*, Parser> services[] = {{"baidu", ParseBaiduPage},     {"weiyun", ParseWeiyunPage},
                                                     {"vdisk", ParseVdiskPage},     {"qiannao", ParseQiannaoPage},
                                                     {"weipan", ParseWeipanPage}};
  for (const auto& [service, parse] : services) {
    AnswerTransport transport([bytes](const RuleRequest&) { return Body(bytes); });
    const RuleOutcome outcome = RunServiceRule(ExampleRule(service), {"http://h/s/1"}, transport);
    Require(Same(outcome.info, parse(PageToGbk(ByteSet(bytes.begin(), bytes.end())))),
            "an example rule gives its extractor's fields");
  }
}

// The short link's redirect, the share page and the API's reply from the input.
void Compare360(FuzzInput& input) {
  const bool longLink = input.NextByte() & 1;
  const Text link = ConcatTexts("http://h/360/", longLink ? "lk/" : "s/", input.NextText());
  Text location = ConcatTexts("http://", input.NextText());
  location = location.substr(0, location.find_first_of("\r\n"));
  const std::string page = MarkerDense(input.NextText());
  const std::string reply = MarkerDense(input.Rest());

  Cloud360Requests requests;
  requests.resolve = [&](const Text&) { return ConcatTexts("Location: ", location, "\r\n"); };
  requests.getPage = [&](const Text&) { return Text(page.substr(0, page.find('\0'))); };
  requests.post = [&](const Text&, const Text&) { return Text(reply.substr(0, reply.find('\0'))); };
  const Text compiled = Fetch360Address(link, requests);

  AnswerTransport transport([&](const RuleRequest& request) {
    if (!request.followRedirects) {
      RuleResponse redirect;
      redirect.location = location;
      return redirect;
    }
    return Body(request.method == "GET" ? page : reply);
  });
  Require(RunServiceRule(ExampleRule("360"), {link}, transport).info.address == compiled,
          "the 360 example rule gives its extractor's address");
}

}  // namespace

void Fuzz(FuzzInput& input) {
  const std::string_view bytes = input.Rest();
  ComparePageServices(bytes);
  ComparePageServices(MarkerDense(bytes));
  Compare360(input);
}

}  // namespace getlink::fuzz
