// What an extractor finds out about one shared file.
#pragma once

#include "runtime/Text.h"

namespace getlink {

// The six result fields, each as the service prints it (GBK). A field the page does not
// carry is the empty text.
struct ShareInfo {
  Text address;  // the file's direct download address
  Text size;
  Text name;
  Text sharer;
  Text shareTime;
  Text downloadCount;
};

}  // namespace getlink
