#include "tests/app/rules/RuleFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/rules/ServiceRuleReader.h"

namespace getlink::testing {

ServiceRule BuiltInRule(std::string_view service) {
  const std::string path = std::string(GETLINK_SERVICES_DIR) + "/" + std::string(service) + ".json";
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  EXPECT_FALSE(bytes.str().empty()) << "cannot read " << path;
  ServiceRuleRead read = ReadServiceRule(bytes.str(), std::string(service) + ".json");
  EXPECT_TRUE(read.rule) << read.fault.english << " (line " << read.fault.line << ")";
  return read.rule ? std::move(*read.rule) : ServiceRule();
}

ServiceRule RuleFromText(std::string_view json) {
  ServiceRuleRead read = ReadServiceRule(json, "test.json");
  EXPECT_TRUE(read.rule) << read.fault.english << " (line " << read.fault.line << ")";
  return read.rule ? std::move(*read.rule) : ServiceRule();
}

RuleResponse BodyAnswer(std::string_view bytes) {
  RuleResponse response;
  response.body.assign(bytes.begin(), bytes.end());
  return response;
}

}  // namespace getlink::testing
