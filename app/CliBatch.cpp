#include "app/CliBatch.h"

#include "app/ShareLink.h"
#include "runtime/Codec.h"
#include "runtime/TextBuild.h"
#include "runtime/TextParts.h"

namespace getlink {

Batch PlanBatch(const ServiceCatalog& catalog, const ServiceEntry* service, const std::vector<Text>& given) {
  Batch batch;
  for (const Text& text : given) {
    BatchEntry entry;
    entry.given = text;
    entry.pasted = FindShareLink(text);
    const bool fetchedAsGiven = service != nullptr && given.size() == 1;
    if (entry.pasted.link.empty() && !fetchedAsGiven) {
      batch.problem = ConcatTexts("no http or https link in \"", TrimLink(text), "\"");
      return batch;
    }
    const ServiceEntry* found = service != nullptr ? service : catalog.ForLink(entry.pasted.link);
    if (found == nullptr) {
      batch.problem = ConcatTexts("no service is known for the host ", LinkHost(entry.pasted.link), " of \"",
                                  entry.pasted.link, "\": name the SERVICE (", catalog.Arguments(), ")");
      return batch;
    }
    entry.service = *found;
    entry.serviceFromHost = service == nullptr;
    batch.entries.push_back(std::move(entry));
  }
  return batch;
}

std::vector<Text> InputLines(std::string_view bytes) {
  std::vector<Text> lines;
  for (const Text& line : SplitText(TextOfUtf8OrGbk(bytes), "\n")) {
    Text trimmed = TrimBlanks(TrimLink(line));
    if (!trimmed.empty()) lines.push_back(std::move(trimmed));
  }
  return lines;
}

std::vector<Text> ShareTextsOfLines(const std::vector<Text>& lines) {
  std::vector<Text> texts;
  Text leading;  // the lines before the first link
  for (const Text& line : lines) {
    if (!FindShareLink(line).link.empty()) {
      texts.push_back(leading.empty() ? line : ConcatTexts(leading, "\n", line));
      leading.clear();
    } else if (!texts.empty()) {
      texts.back() = ConcatTexts(texts.back(), "\n", line);
    } else {
      leading = leading.empty() ? line : ConcatTexts(leading, "\n", line);
    }
  }
  return texts.empty() ? lines : texts;
}

}  // namespace getlink
