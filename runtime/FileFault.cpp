#include "runtime/FileFault.h"

#include <string>

namespace getlink {

Text DescribeFileFault(const FileFault& fault, Wording wording) {
  const Text line = std::to_string(fault.line);
  if (wording == Wording::Chinese) {
    return fault.line > 0 ? ConcatTexts(fault.file, " 第 ", line, " 行：", fault.chinese)
                          : ConcatTexts(fault.file, "：", fault.chinese);
  }
  return fault.line > 0 ? ConcatTexts(fault.file, " line ", line, ": ", fault.english)
                        : ConcatTexts(fault.file, ": ", fault.english);
}

}  // namespace getlink
