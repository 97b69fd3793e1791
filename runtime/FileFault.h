// What is wrong with a file a user edits (getlink.ini, a service rule): one error type for
// every such reader, naming the file, the line and the fault. A fault never quotes a
// value of the file back, so that nothing secret in it is shown or read aloud.
#pragma once

#include "runtime/Text.h"
#include "runtime/Wording.h"

namespace getlink {

struct FileFault {
  Text file;     // the file as the user knows it: "getlink.ini", "services\baidu.json"
  int line = 0;  // 1-based; 0 when the fault is the file's as a whole
  Text chinese;  // what is wrong, in each wording, without a full stop
  Text english;

  bool operator==(const FileFault& other) const {
    return file == other.file && line == other.line && chinese == other.chinese && english == other.english;
  }
};

// "services\baidu.json 第 12 行：…" / "services\baidu.json line 12: …"; without the line
// when the fault is the whole file's.
Text DescribeFileFault(const FileFault& fault, Wording wording);

}  // namespace getlink
