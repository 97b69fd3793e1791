#include "app/ServiceRuleFiles.h"

#include <algorithm>

#include "app/rules/RuleLimits.h"
#include "runtime/Files.h"
#include "runtime/TextBuild.h"

namespace getlink {

Text ServicesFolder() { return ConcatTexts(RunDirectory(), "\\services"); }

// At most one byte more than a rule file may hold is read: the reader tells a larger file.
ServiceRuleRead ReadServiceRuleFile(std::string_view path, std::string_view shownName) {
  const ByteSet bytes = ReadFileBytes(path, rule_limits::kFileBytes + 1);
  return ReadServiceRule(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), shownName);
}

ServiceCatalog LoadServiceCatalog(std::string_view folder, std::string_view shownFolder, std::vector<FileFault>& faults) {
  std::vector<Text> names = ListFiles(folder, "*.json");
  std::sort(names.begin(), names.end(), [](const Text& a, const Text& b) { return LowerText(a) < LowerText(b); });
  std::vector<ServiceRule> rules;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const Text shown = shownFolder.empty() ? names[i] : ConcatTexts(shownFolder, "\\", names[i]);
    if (i == static_cast<std::size_t>(rule_limits::kFiles)) {
      faults.push_back({shown, 0, "规则文件多于 64 个：这个及其后的文件没有读取",
                        "more than 64 rule files: this one and those after it were not read"});
      break;
    }
    ServiceRuleRead read = ReadServiceRuleFile(ConcatTexts(folder, "\\", names[i]), shown);
    if (read.rule) {
      rules.push_back(std::move(*read.rule));
    } else {
      faults.push_back(std::move(read.fault));
    }
  }
  ServiceCatalog catalog;
  for (FileFault& fault : catalog.AddRules(std::move(rules))) faults.push_back(std::move(fault));
  return catalog;
}

}  // namespace getlink
